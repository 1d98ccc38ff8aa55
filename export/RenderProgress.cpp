#include "export/RenderProgress.h"

#include <unistd.h>

RenderProgress::Style RenderProgress::styleFor(bool linesRequested)
{
    if (linesRequested)
        return Style::Lines;
    return ::isatty(STDERR_FILENO) ? Style::Terminal : Style::Off;
}

RenderProgress::RenderProgress(Style style, std::ostream &stream)
    : m_style(style)
    , m_stream(stream)
{
}

RenderProgress::~RenderProgress()
{
    if (m_style == Style::Terminal && m_shown >= 0)
        m_stream << std::endl;
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
        m_stream << "\rtracelet render: frame " << frames << " of " << m_total << " (" << percent
                 << "%)" << std::flush;
    else
        m_stream << "frame " << frames << " of " << m_total << std::endl;
}
