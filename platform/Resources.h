#pragma once

// Where resource bitmaps, icons and strings come from. The application registers a provider at
// start; the platform only asks it.

#include <QImage>
#include <functional>
#include <string>

class CBitmap;

struct ResourceProvider
{
    std::function<QImage(int id)> bitmap;
    std::function<QImage(int id, int size)> icon;
    std::function<std::string(int id)> string;
};

void setResourceProvider(ResourceProvider provider);
QImage loadResourceBitmap(int id); // null image when unknown
QImage loadResourceIcon(int id, int size);
std::string loadResourceString(int id); // empty when unknown
// CBitmap::LoadBitmap: the resource bitmap of that id.
bool LoadBitmap(CBitmap &bitmap, int id);
