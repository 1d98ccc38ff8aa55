#include "TempDir.h"
#include "app/cli/CoreCommands.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "mainwnd/RunState.h"
#include "path/core/PathSetupFile.h"
#include "path/core/TeachingRoute.h"

#include <clocale>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// Everything the core reads and writes, as bytes, for comparison across locales.
std::string everyOutput(const TempDir &dir)
{
    std::string all;
    RunState state;
    state.dataFilePath = dir.write("d.csv", "1.5,2.25\n-3.75e1,4.5\n");
    state.xColumn = 1;
    state.yColumn = 2;
    state.useYColumn = true;
    loadDataColumns(state, false);
    all += formatFixed(state.dataX[0], 6) + formatFixed(state.dataY[1], 6) + "\n";

    CorrSetupValues corr;
    corr.frameXTop = 12.25;
    writeCorrSetupFile(dir.file("a.kvs"), corr);
    all += TempDir::read(dir.file("a.kvs"));
    applyCorrSetupLine(state, 8, "12.25");
    all += formatFixed(state.corrFrameXTop, 6) + "\n";

    PathSetupValues path;
    path.originX = -50.7;
    writePathSetupFile(dir.file("a.kvt"), path);
    all += TempDir::read(dir.file("a.kvt"));

    state.teachX[0] = 0.5;
    state.teachX[1] = 100.25;
    state.teachCount = 2;
    state.divisionCount = 3;
    state.linearInterpolation = true;
    state.dataFilePath = dir.file("route.csv");
    buildTeachingRoute(state, [](int) {});
    all += TempDir::read(dir.file("route.csv"));

    std::ostringstream out, err;
    runCoreCommand({ "stats", dir.file("d.csv"), "--frame", "10.5,-10.5,5.5,-5.5" }, out, err);
    return all + out.str();
}

TEST(LocaleIndependence, decimalCommaLocaleGivesTheSameValuesAndBytes)
{
    TempDir dir;
    const std::string inC = everyOutput(dir);
    EXPECT_NE(inC.find("1.500000"), std::string::npos);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed; tools/install-deps.sh generates it";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const std::string inGerman = everyOutput(dir);
    std::setlocale(LC_ALL, "C");
    EXPECT_STREQ(probe, "1,5") << "the locale does not use a decimal comma";
    EXPECT_EQ(inGerman, inC);
}

} // namespace
