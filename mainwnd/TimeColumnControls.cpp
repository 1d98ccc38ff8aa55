#include "mainwnd/TimeColumnControls.h"

#include "platform/CDialog.h"
#include "res/ControlIds.h"

#include <algorithm>

namespace {
constexpr std::array<double, 6> kSpeedsShown { 0.25, 0.5, 1.0, 2.0, 5.0, 10.0 };
}

void TimeColumnControls::exchange(CDataExchange *dx)
{
    DDX_Control(dx, IDC_TIME_COLUMN, m_column);
    DDX_Control(dx, IDC_TIME_SECONDS, m_units[0]);
    DDX_Control(dx, IDC_TIME_MILLISECONDS, m_units[1]);
    DDX_Control(dx, IDC_TIME_CLOCK, m_units[2]);
    for (std::size_t i = 0; i < m_speeds.size(); ++i)
        DDX_Control(dx, IDC_PLAY_SPEED_FIRST + static_cast<int>(i), m_speeds[i]);
}

void TimeColumnControls::show(const TimeColumnEntries &entries)
{
    m_column.SetWindowText(entries.column);
    m_units[static_cast<std::size_t>(entries.unit)].SetCheck(1);
    const auto speed = std::ranges::find(kSpeedsShown, entries.playSpeed);
    m_speeds[static_cast<std::size_t>(
                 speed == kSpeedsShown.end() ? 2 : speed - kSpeedsShown.begin())]
        .SetCheck(1);
}

TimeColumnEntries TimeColumnControls::entries() const
{
    TimeColumnEntries shown { m_column.GetWindowText() };
    for (std::size_t i = 0; i < m_units.size(); ++i)
        if (m_units[i].GetCheck())
            shown.unit = static_cast<TimeUnit>(i);
    for (std::size_t i = 0; i < m_speeds.size(); ++i)
        if (m_speeds[i].GetCheck())
            shown.playSpeed = kSpeedsShown[i];
    return shown;
}
