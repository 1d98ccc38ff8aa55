#include "path/core/RouteFile.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"

#include <algorithm>
#include <string_view>

namespace {

// "Ｘ軸データ,Y軸データ,方向データ,補間速度,ＰＬＯＴ速度" in code page 932.
constexpr std::string_view kHeadingLine = "\x82\x77\x8e\xb2\x83\x66\x81\x5b\x83\x5e"
                                          ","
                                          "\x59\x8e\xb2\x83\x66\x81\x5b\x83\x5e"
                                          ","
                                          "\x95\xfb\x8c\xfc\x83\x66\x81\x5b\x83\x5e"
                                          ","
                                          "\x95\xe2\x8a\xd4\x91\xac\x93\x78"
                                          ","
                                          "\x82\x6f\x82\x6b\x82\x6e\x82\x73\x91\xac\x93\x78"
                                          "\r\n";

constexpr std::size_t kBytesPerRow = 40;

void appendPoint(std::string &text, const RunState &state, std::size_t i)
{
    appendFixed(text, state.dataX[i], 6);
    text += ',';
    appendFixed(text, state.dataY[i], 6);
    text += ',';
    appendFixed(text, state.dataDirection[i], 6);
}

} // namespace

std::string teachingFileText(const RunState &state)
{
    const std::size_t arrays
        = std::min({ state.dataX.size(), state.dataY.size(), state.dataDirection.size() });
    const std::size_t wanted
        = state.outputPointCount > 1 ? static_cast<std::size_t>(state.outputPointCount) : 1;
    const std::size_t count = std::min(wanted, arrays);
    std::string text;
    text.reserve(kHeadingLine.size() + count * kBytesPerRow);
    text += kHeadingLine;
    if (count == 0)
        return text;
    appendPoint(text, state, 0);
    text += ',';
    appendInt(text, state.teachMoveTimeMs);
    text += ',';
    appendInt(text, state.plotPeriodMs);
    text += "\r\n";
    for (std::size_t i = 1; i < count; ++i) {
        appendPoint(text, state, i);
        text += "\r\n";
    }
    return text;
}

FileWriteResult writeTeachingFile(const RunState &state)
{
    return writeFileAtomically(state.dataFilePath, teachingFileText(state));
}
