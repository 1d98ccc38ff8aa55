#include "path/core/RouteFile.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "data/TextLineReader.h"

#include <algorithm>
#include <cmath>
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

// The same heading in UTF-8, for editors that show code page 932 as mojibake; older readers expect
// the code page, so it is written only when asked for.
constexpr std::string_view kUtf8HeadingLine
    = "\xef\xbc\xb8\xe8\xbb\xb8\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf"
      ","
      "Y\xe8\xbb\xb8\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf"
      ","
      "\xe6\x96\xb9\xe5\x90\x91\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf"
      ","
      "\xe8\xa3\x9c\xe9\x96\x93\xe9\x80\x9f\xe5\xba\xa6"
      ","
      "\xef\xbc\xb0\xef\xbc\xac\xef\xbc\xaf\xef\xbc\xb4\xe9\x80\x9f\xe5\xba\xa6"
      "\r\n";

constexpr std::size_t kBytesPerRow = 40;

void appendPoint(std::string &text, const DataSeries &route, std::size_t i)
{
    appendFixed(text, route.x[i], 6);
    text += ',';
    appendFixed(text, route.y[i], 6);
    text += ',';
    appendFixed(text, route.direction[i], 6);
}

std::size_t routeRowCount(const DataSeries &route)
{
    const std::size_t arrays = std::min({ route.x.size(), route.y.size(), route.direction.size() });
    const std::size_t wanted
        = route.lastIndex > 0 ? static_cast<std::size_t>(route.lastIndex) + 1 : 1;
    return std::min(wanted, arrays);
}

bool readsBackAsWritten(const DataSeries &route, std::string_view text)
{
    const std::size_t count = routeRowCount(route);
    for (const std::vector<double> *values : { &route.x, &route.y, &route.direction })
        if (!std::all_of(values->begin(), values->begin() + static_cast<std::ptrdiff_t>(count),
                [](double v) { return std::isfinite(v); }))
            return false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        // CR LF reads as one line feed, and the line feed must fit the reader's buffer.
        if (end == std::string_view::npos || end - start + 1 > TextLineReader::kBufferSize - 1)
            return false;
        start = end + 2;
    }
    return true;
}

} // namespace

std::string teachingFileText(const DataSeries &route, const RouteSettings &settings)
{
    const std::size_t count = routeRowCount(route);
    std::string text;
    text.reserve(kHeadingLine.size() + count * kBytesPerRow);
    text += settings.utf8Heading ? kUtf8HeadingLine : kHeadingLine;
    if (count == 0)
        return text;
    appendPoint(text, route, 0);
    text += ',';
    appendInt(text, settings.moveTimeMs);
    text += ',';
    appendInt(text, playedPeriodMs(settings));
    text += "\r\n";
    for (std::size_t i = 1; i < count; ++i) {
        appendPoint(text, route, i);
        text += "\r\n";
    }
    return text;
}

FileWriteResult writeTeachingFile(const DataSeries &route, const RouteSettings &settings)
{
    const std::string text = teachingFileText(route, settings);
    if (!readsBackAsWritten(route, text))
        return { "route points too far out to be written as path data" };
    return writeFileAtomically(settings.filePath, text);
}
