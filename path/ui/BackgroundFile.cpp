#include "path/ui/BackgroundFile.h"

#include "data/Translate.h"
#include "path/core/BitmapFile.h"
#include "platform/CBitmap.h"

std::string loadBackgroundFile(const std::string &path, CBitmap &into)
{
    const BitmapFileInfo info = inspectBitmapFile(path);
    if (std::string fault = bitmapFileFault(info); !fault.empty())
        return fault;
    if (into.LoadImageFromFile(path))
        return {};
    return info.isBmp ? fillIn(tx("PathDiagram", "%1、読み込めない形式か大きすぎる画像です"),
               { describeBitmapFile(info) })
                      : tx("PathDiagram", "画像として読み込めないか、大きすぎる画像です");
}

std::string tryBackgroundFile(const std::string &path)
{
    CBitmap trial;
    return loadBackgroundFile(path, trial);
}
