#include "data/CsvReader.h"

#include "data/NumberText.h"
#include "data/RangeScan.h"
#include "data/RangeWidening.h"
#include "data/TextLineReader.h"
#include "data/TruncToInt.h"
#include "mainwnd/RunState.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace {

// Field texts of the current read, numbered from 1. Not cleared between lines: a column that a
// short line does not reach keeps the text an earlier line gave it.
class FieldTable
{
public:
    void split(std::string_view rest)
    {
        int k = 1;
        while (k <= kFieldCount) {
            const std::size_t comma = rest.find(',');
            if (comma == std::string_view::npos) {
                if (!rest.empty())
                    set(k, rest);
                return;
            }
            if (comma > 0) {
                set(k, rest.substr(0, comma));
            } else if (rest.size() == 1) {
                // A line ending in a comma without a line feed: both sides of it are empty.
                set(k, {});
                set(k + 1, {});
                return;
            } else {
                set(k, {});
            }
            rest.remove_prefix(comma + 1);
            ++k;
        }
    }

    double number(int column) const
    {
        if (column < 1 || column > kFieldCount)
            return 0.0;
        return parseDouble(m_fields[static_cast<std::size_t>(column - 1)]);
    }

private:
    void set(int k, std::string_view text)
    {
        if (k >= 1 && k <= kFieldCount)
            m_fields[static_cast<std::size_t>(k - 1)].assign(text);
    }

    std::array<std::string, kFieldCount> m_fields;
};

void storeRow(RunState &state, const FieldTable &fields, std::size_t r, bool withPathColumns)
{
    state.dataX[r] = fields.number(state.xColumn);
    if (state.useYColumn)
        state.dataY[r] = fields.number(state.yColumn);
    if (!withPathColumns)
        return;
    if (state.useDirectionColumn)
        state.dataDirection[r] = fields.number(state.directionColumn);
    if (r != 0)
        return;
    if (state.useInterpSpeedColumn && !state.firstRowInterpSpeed.empty())
        state.firstRowInterpSpeed[0] = fields.number(state.interpSpeedColumn);
    if (state.usePlotSpeedColumn && !state.firstRowPlotSpeed.empty()) {
        state.firstRowPlotSpeed[0] = fields.number(state.plotSpeedColumn);
        state.tickPeriodMs = truncToInt(state.firstRowPlotSpeed[0]);
    }
}

} // namespace

int loadDataColumns(RunState &state, bool withPathColumns)
{
    TextLineReader reader(state.dataFilePath);
    if (!reader.isOpen())
        return 0;
    for (int line = 1; line < state.dataStartRow; ++line) {
        if (!reader.readLine())
            return 0;
    }
    const std::size_t capacity = std::min({ static_cast<std::size_t>(kPointCapacity),
        state.dataX.size(), state.dataY.size(), state.dataDirection.size() });
    auto fields = std::make_unique<FieldTable>();
    std::size_t r = 0;
    while (r < capacity) {
        const auto line = reader.readLine();
        if (!line || line->size() < 2)
            break;
        fields->split(*line);
        storeRow(state, *fields, r, withPathColumns);
        ++r;
    }
    const int rows = static_cast<int>(r);
    state.lastIndex = rows - 1;
    if (rows == 0)
        return 0;
    widenFrameRange(state, scanMaximum(state, 0, state.lastIndex, state.dataX),
        scanMinimum(state, 0, state.lastIndex, state.dataX), 1);
    widenFrameRange(state, scanMaximum(state, 0, state.lastIndex, state.dataY),
        scanMinimum(state, 0, state.lastIndex, state.dataY), 2);
    return rows;
}
