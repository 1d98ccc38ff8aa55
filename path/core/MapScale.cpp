#include "path/core/MapScale.h"

#include "data/Translate.h"

#include <charconv>
#include <cmath>

namespace {

// The whole entry, spaces around it aside, must be one finite number: "12abc" is a slip.
std::optional<double> wholeNumber(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

MapScaleResult refused(const char *text) { return { std::nullopt, tx("MapScale", text) }; }

MapScaleResult checked(double unitsPerPixel)
{
    if (!usableMapScale(unitsPerPixel))
        return refused(TX_NOOP(
            "MapScale", "縮尺が範囲外です。1ピクセルあたり 0.000001 ～ 1000000 にしてください。"));
    return { unitsPerPixel, {} };
}

} // namespace

bool usableMapScale(double unitsPerPixel)
{
    return std::isfinite(unitsPerPixel) && unitsPerPixel >= kMinMapScale
        && unitsPerPixel <= kMaxMapScale;
}

MapScaleResult mapScaleFromClicks(const std::vector<MapClick> &clicks, std::string_view distance)
{
    if (clicks.size() < 2)
        return refused(TX_NOOP("MapScale", "地図上で距離の分かる2点をクリックしてください。"));
    const MapClick &a = clicks[clicks.size() - 2];
    const MapClick &b = clicks.back();
    const double pixels = std::hypot(b.x - a.x, b.y - a.y);
    if (!(pixels > 0.0))
        return refused(TX_NOOP(
            "MapScale", "同じ点が2回クリックされました。離れた2点をクリックしてください。"));
    const std::optional<double> units = wholeNumber(distance);
    if (!units)
        return refused(TX_NOOP("MapScale", "2点間の距離には数値を入力してください。"));
    if (*units <= 0.0)
        return refused(TX_NOOP("MapScale", "2点間の距離は0より大きくしてください。"));
    return checked(*units / pixels);
}

MapScaleResult mapScaleFromEntry(std::string_view text)
{
    const std::optional<double> value = wholeNumber(text);
    if (!value)
        return refused(TX_NOOP("MapScale", "縮尺には数値を入力してください。"));
    return checked(*value);
}

std::string formatMapScale(double unitsPerPixel)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, unitsPerPixel);
    return error == std::errc() ? std::string(buffer, end) : std::string("1");
}
