#pragma once

// The time column's controls, the same in both setup dialogs: the column's edit, the choice of
// how its times are written and the choice of how fast they play.

#include "data/LoggedTime.h"
#include "platform/Controls.h"

#include <array>

class CDataExchange;

class TimeColumnControls
{
public:
    void exchange(CDataExchange *dx);
    void show(const TimeColumnEntries &entries);
    TimeColumnEntries entries() const;

private:
    CEdit m_column;
    std::array<CButton, 3> m_units; // in the order of TimeUnit
    std::array<CButton, 6> m_speeds; // from the slowest
};
