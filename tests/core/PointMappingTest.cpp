#include "path/core/PointMapping.h"

#include "mainwnd/RunState.h"

#include <gtest/gtest.h>

namespace {

TEST(PointMapping, pointLandsFromTheLowerLeftCorner)
{
    RunState state;
    state.backgroundHeight = 400;
    const MappedPoint p = mapPathPoint(state, 100, 50);
    EXPECT_EQ(p.bx, 100);
    EXPECT_EQ(p.by, 350);
    EXPECT_EQ(p.px, 100);
    EXPECT_EQ(p.py, 350);
}

TEST(PointMapping, originsShiftThePoint)
{
    RunState state;
    state.backgroundHeight = 400;
    state.originX = -50.7;
    state.originY = 20.5;
    const MappedPoint p = mapPathPoint(state, 0, 30.5);
    EXPECT_EQ(p.xr, 50.0);
    EXPECT_EQ(p.yr, 10.0);
    EXPECT_EQ(p.by, 390);
}

TEST(PointMapping, zoomAndViewOffsetsApply)
{
    RunState state;
    state.backgroundHeight = 1000;
    state.zoomIndex = 2;
    state.viewSrcX = 10;
    state.viewSrcY = 650;
    const MappedPoint p = mapPathPoint(state, 103, 401);
    EXPECT_EQ(p.bx, 25);
    EXPECT_EQ(p.by, 899);
    EXPECT_EQ(p.px, 15);
    EXPECT_EQ(p.py, 249);
}

TEST(PointMapping, hugeValuesStayDefined)
{
    RunState state;
    const MappedPoint p = mapPathPoint(state, 1e300, -1e300);
    EXPECT_EQ(p.bx, 2147483647);
    EXPECT_EQ(p.by, 2147483647);
}

} // namespace
