#pragma once

// How far a render has come, on standard error: one line rewritten in place on a terminal, or
// (when asked for, e.g. by the window that runs the render) plain lines "frame N of M" a
// program can read. Updates come at most ten times a second, and always for the last frame.

#include <chrono>
#include <ostream>

class RenderProgress
{
public:
    enum class Style { Off, Terminal, Lines };
    // Terminal when standard error is one, otherwise off, unless lines are asked for.
    static Style styleFor(bool linesRequested);

    RenderProgress(Style style, std::ostream &stream);
    ~RenderProgress(); // ends a terminal line
    void setTotal(int frames) { m_total = frames; }
    void frameDone(int frames);

private:
    Style m_style;
    std::ostream &m_stream;
    int m_total = 0;
    int m_shown = -1;
    std::chrono::steady_clock::time_point m_lastShown;
};
