#pragma once

// The picture and animation commands of the window menu.

#include "export/AnimationExport.h"
#include "mainwnd/Diagram.h"

#include <QImage>
#include <memory>
#include <string>

// Asks for a PNG file and saves what the picture area shows into it.
void savePicture(const QImage &canvas);

// What a finished export says: the file and its size.
std::string exportedMessage(const std::string &file);

// Asks for a GIF or MP4 file and starts writing the running diagram's animation, from its first
// point to its last; nothing, after saying why where there is something to say, when there is
// nothing to write or the person cancelled.
std::unique_ptr<AnimationExport> startAnimationExport(
    const Diagram *running, std::string_view setupExtension, QWidget *window);
