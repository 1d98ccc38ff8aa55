#include "path/core/PointMapping.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using Pixels = std::array<int, 4>; // bx, by, px, py

Pixels pixels(const MappedPoint &p) { return { p.bx, p.by, p.px, p.py }; }

TEST(PointMapping, pointLandsFromTheLowerLeftShiftedByOriginZoomAndView)
{
    MapView state;
    state.mapHeight = 400;
    EXPECT_EQ(pixels(mapPathPoint(state, 100, 50)), (Pixels { 100, 350, 100, 350 }));

    std::tie(state.originX, state.originY) = std::tuple(-50.7, 20.5);
    const MappedPoint shifted = mapPathPoint(state, 0, 30.5);
    EXPECT_EQ(std::tuple(shifted.xr, shifted.yr, shifted.by), std::tuple(50.0, 10.0, 390));

    MapView zoomed;
    std::tie(zoomed.mapHeight, zoomed.zoomIndex, zoomed.srcX, zoomed.srcY)
        = std::tuple(1000, 2, 10, 650);
    EXPECT_EQ(pixels(mapPathPoint(zoomed, 103, 401)), (Pixels { 25, 899, 15, 249 }));
}

TEST(PointMapping, aPlaceTurnedIntoDataMapsBackOntoThatPlace)
{
    MapView state;
    state.mapHeight = 600;
    for (auto [ox, oy] : { std::pair { 0.0, 0.0 }, { -50.0, -50.0 }, { -50.7, 12.25 } }) {
        std::tie(state.originX, state.originY) = std::tuple(ox, oy);
        for (auto [column, row] : { std::pair { 0, 599 }, { 40, 350 }, { 799, 0 } }) {
            const DataPoint data = dataFromBackground(state, column, 600 - row);
            const MappedPoint back = mapPathPoint(state, data.x, data.y);
            EXPECT_EQ(std::pair(back.bx, back.by), std::pair(column, row)) << ox << ',' << oy;
        }
    }
}

TEST(PointMapping, onAScaledMapAPlaceTurnedIntoDataMapsBackOntoThatPlace)
{
    MapView state;
    state.mapHeight = 600;
    for (auto [scale, ox, oy] : { std::tuple { 0.1, 0.0, 0.0 }, { 0.02, -1.5, -2.25 },
             { 0.3, 7.7, -0.1 }, { 25.0, -1000.0, 500.0 } }) {
        std::tie(state.unitsPerPixel, state.originX, state.originY) = std::tuple(scale, ox, oy);
        for (auto [column, row] : { std::pair { 0, 599 }, { 40, 350 }, { 799, 0 }, { 3, 7 } }) {
            const DataPoint data = dataFromBackground(state, column, 600 - row);
            const MappedPoint back = mapPathPoint(state, data.x, data.y);
            EXPECT_EQ(std::pair(back.bx, back.by), std::pair(column, row)) << scale << ',' << ox;
        }
    }
    // Metres onto a map of 2 cm a pixel whose lower-left corner is at (-1.5, -2.25).
    std::tie(state.unitsPerPixel, state.originX, state.originY) = std::tuple(0.02, -1.5, -2.25);
    const MappedPoint p = mapPathPoint(state, 0.5, 1.75);
    EXPECT_EQ(std::tuple(p.xr, p.yr, p.bx, p.by), std::tuple(100.0, 200.0, 100, 400));
}

TEST(PointMapping, hugeValuesSaturateFarInsideTheIntRange)
{
    const MappedPoint p = mapPathPoint(MapView {}, 1e300, -1e300);
    EXPECT_EQ(std::tuple(p.bx, p.by, p.px, p.py), std::tuple(1 << 30, 1 << 30, 1 << 30, 1 << 30));
    const MappedPoint q = mapPathPoint(MapView { 10, 10, 1e308, -1e308 }, -1e300, 5);
    EXPECT_EQ(std::tuple(q.bx, q.by), std::tuple(-(1 << 30), -(1 << 30)));
}

} // namespace
