#include "path/core/RouteFile.h"

#include "TempDir.h"
#include "data/AtomicFile.h"
#include "mainwnd/RunState.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// "Ｘ軸データ,Y軸データ,方向データ,補間速度,ＰＬＯＴ速度" as iconv -t CP932 gives it.
const std::string kHeading = "\x82\x77\x8e\xb2\x83\x66\x81\x5b\x83\x5e,\x59\x8e\xb2\x83\x66\x81"
                             "\x5b\x83\x5e,\x95\xfb\x8c\xfc\x83\x66\x81\x5b\x83\x5e,\x95\xe2\x8a"
                             "\xd4\x91\xac\x93\x78,\x82\x6f\x82\x6b\x82\x6e\x82\x73\x91\xac\x93"
                             "\x78\r\n";

TEST(RouteFile, writesHeadingPointsAndTimesWithCrLf)
{
    TempDir dir;
    RunState state;
    state.outputPointCount = 3;
    state.dataX[1] = 12.5;
    state.dataY[1] = -0.25;
    state.dataDirection[1] = 44.99996198;
    state.dataX[2] = 1e6 / 3;
    state.teachMoveTimeMs = 1000;
    state.plotPeriodMs = 50;
    state.dataFilePath = dir.file("route.csv");
    ASSERT_TRUE(writeTeachingFile(state));
    EXPECT_EQ(TempDir::read(state.dataFilePath),
        kHeading
            + "0.000000,0.000000,0.000000,1000,50\r\n"
              "12.500000,-0.250000,44.999962\r\n"
              "333333.333333,0.000000,0.000000\r\n");
}

TEST(AtomicFile, replacesTheTargetAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string target = dir.write("a.txt", "old contents");
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(TempDir::read(target), "new");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(AtomicFile, failsIntoAMissingFolderOrOntoAFolder)
{
    TempDir dir;
    EXPECT_FALSE(writeFileAtomically(dir.file("missing/a.txt"), "x"));
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(writeFileAtomically(dir.file("folder"), "x"));
    EXPECT_FALSE(writeFileAtomically(dir.file("folder/"), "x"));
    EXPECT_EQ(dir.entryCount(), 1u);
}

} // namespace
