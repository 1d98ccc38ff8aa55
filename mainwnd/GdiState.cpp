#include "mainwnd/GdiState.h"

GdiState &gdiState()
{
    static GdiState state;
    return state;
}
