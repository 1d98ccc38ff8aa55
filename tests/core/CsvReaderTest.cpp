#include "data/CsvReader.h"

#include "TempDir.h"
#include "mainwnd/RunState.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class CsvReader : public testing::Test
{
protected:
    int load(std::string_view text, int startRow = 1, bool path = false)
    {
        state.dataFilePath = dir.write("data.csv", text);
        state.dataStartRow = startRow;
        return loadDataColumns(state, path);
    }

    void SetUp() override
    {
        state.xColumn = 1;
        state.yColumn = 2;
        state.useYColumn = true;
    }

    TempDir dir;
    RunState state;
};

TEST_F(CsvReader, headingOnlyGivesNoRowsAndLastIndexMinusOne)
{
    state.frameXMax = 77;
    EXPECT_EQ(load("x,y\n", 2), 0);
    EXPECT_EQ(state.lastIndex, -1);
    EXPECT_EQ(state.frameXMax, 77);
}

TEST_F(CsvReader, fileEndingInTheHeadingLeavesLastIndex)
{
    state.lastIndex = 5;
    EXPECT_EQ(load("x,y\n", 3), 0);
    EXPECT_EQ(state.lastIndex, 5);
}

TEST_F(CsvReader, missingFileChangesNothing)
{
    state.lastIndex = 5;
    state.dataFilePath = dir.file("missing.csv");
    EXPECT_EQ(loadDataColumns(state, false), 0);
    EXPECT_EQ(state.lastIndex, 5);
}

TEST_F(CsvReader, firstRowOneReadsTheHeadingAsZeros)
{
    EXPECT_EQ(load("x,y\n3,4\n"), 2);
    EXPECT_EQ(state.dataX[0], 0.0);
    EXPECT_EQ(state.dataY[0], 0.0);
    EXPECT_EQ(state.dataX[1], 3.0);
}

TEST_F(CsvReader, blankLineEndsTheData)
{
    EXPECT_EQ(load("1,2\r\n3,4\r\n\r\n5,6\r\n"), 2);
    EXPECT_EQ(state.lastIndex, 1);
}

TEST_F(CsvReader, shortLineKeepsFieldsOfEarlierLines)
{
    EXPECT_EQ(load("3,4\n5\n"), 2);
    EXPECT_EQ(state.dataX[1], 5.0);
    EXPECT_EQ(state.dataY[1], 4.0);
}

TEST_F(CsvReader, fieldsSplitAtEveryComma)
{
    state.yColumn = 3;
    load("1.5,,3\n,7\n4,5,\n");
    EXPECT_EQ(state.dataX[0], 1.5);
    EXPECT_EQ(state.dataY[0], 3.0);
    EXPECT_EQ(state.dataX[1], 0.0);
    EXPECT_EQ(state.dataY[1], 3.0); // ",7" reaches only two fields
    EXPECT_EQ(state.dataY[2], 0.0); // field 3 holds only the line feed
}

TEST_F(CsvReader, lastLineEndingInACommaEmptiesBothSides)
{
    state.xColumn = 2;
    state.yColumn = 3;
    load("1,2,3\n4,,");
    EXPECT_EQ(state.dataX[1], 0.0);
    EXPECT_EQ(state.dataY[1], 0.0);
}

TEST_F(CsvReader, columnsOutsideTheFieldTableReadAsZero)
{
    state.xColumn = 0;
    state.yColumn = 1025;
    EXPECT_EQ(load("1,2\n"), 1);
    EXPECT_EQ(state.dataX[0], 0.0);
    EXPECT_EQ(state.dataY[0], 0.0);
}

TEST_F(CsvReader, valuesConvertWithTrailingTextAndExponents)
{
    load("1e3 ,  2.5abc\n");
    EXPECT_EQ(state.dataX[0], 1000.0);
    EXPECT_EQ(state.dataY[0], 2.5);
}

TEST_F(CsvReader, rowsBeyondTheCapacityAreIgnored)
{
    std::string text;
    for (int i = 0; i < kPointCapacity + 5; ++i)
        text += std::to_string(i) + "," + std::to_string(-i) + "\n";
    EXPECT_EQ(load(text), kPointCapacity);
    EXPECT_EQ(state.lastIndex, kPointCapacity - 1);
    EXPECT_EQ(state.dataX[kPointCapacity - 1], kPointCapacity - 1.0);
}

TEST_F(CsvReader, overlongLineContinuesAsARowOfItsOwn)
{
    const std::string longLine = "7," + std::string(600, '9') + "\n";
    EXPECT_EQ(load(longLine), 2);
    EXPECT_EQ(state.dataX[0], 7.0);
    EXPECT_DOUBLE_EQ(state.dataX[1], 1e103);
}

TEST_F(CsvReader, pathColumnsReadDirectionAndFirstRowSpeeds)
{
    state.directionColumn = 3;
    state.interpSpeedColumn = 4;
    state.plotSpeedColumn = 5;
    state.useDirectionColumn = state.useInterpSpeedColumn = state.usePlotSpeedColumn = true;
    EXPECT_EQ(load("X,Y,D,I,P\n1,2,90,1000,-50.9\n3,4,180,7,8\n", 2, true), 2);
    EXPECT_EQ(state.dataDirection[1], 180.0);
    EXPECT_EQ(state.firstRowInterpSpeed[0], 1000.0);
    EXPECT_EQ(state.firstRowPlotSpeed[0], -50.9);
    EXPECT_EQ(state.tickPeriodMs, -50);
}

TEST_F(CsvReader, correlationReadSkipsPathColumns)
{
    state.directionColumn = 3;
    state.useDirectionColumn = state.usePlotSpeedColumn = true;
    state.plotSpeedColumn = 3;
    load("1,2,90\n");
    EXPECT_EQ(state.dataDirection[0], 0.0);
    EXPECT_EQ(state.tickPeriodMs, 350);
}

TEST_F(CsvReader, readRowsWidenBothFrameRanges)
{
    load("12,3\n987,47\n");
    EXPECT_EQ(state.frameXMax, 1070);
    EXPECT_EQ(state.frameXMin, -70);
    EXPECT_EQ(state.frameYMax, 50);
    EXPECT_EQ(state.frameYMin, 0);
}

} // namespace
