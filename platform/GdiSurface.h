#pragma once

#include <QImage>

class CDC;

// The pixels behind a bitmap or a window; shared, so that deleting a bitmap that is still
// selected never leaves a DC with a dangling surface.
struct Surface
{
    QImage image; // Format_RGB32
    CDC *selectedInto = nullptr; // a surface is selected into at most one memory DC
};
