#include "export/RenderProgress.h"

#include <unistd.h>

RenderProgress::Style RenderProgress::styleFor(bool linesRequested)
{
    if (linesRequested)
        return Style::Lines;
    return ::isatty(STDERR_FILENO) ? Style::Terminal : Style::Off;
}

RenderProgress::RenderProgress(Style style, std::FILE *stream)
    : m_style(style)
    , m_stream(stream)
{
}

RenderProgress::~RenderProgress()
{
    if (m_style == Style::Terminal && m_shown >= 0)
        std::fputs("\n", m_stream);
}

void RenderProgress::frameDone(int frames)
{
    if (m_style == Style::Off)
        return;
    const auto now = std::chrono::steady_clock::now();
    const bool last = frames >= m_total;
    if (!last && m_shown >= 0 && now - m_lastShown < std::chrono::milliseconds(100))
        return;
    m_lastShown = now;
    m_shown = frames;
    const int percent = m_total > 0 ? static_cast<int>(100LL * frames / m_total) : 0;
    if (m_style == Style::Terminal)
        std::fprintf(
            m_stream, "\rtracelet render: frame %d of %d (%d%%)", frames, m_total, percent);
    else
        std::fprintf(m_stream, "frame %d of %d\n", frames, m_total);
    std::fflush(m_stream);
}
