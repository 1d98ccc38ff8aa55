#include "TempDir.h"
#include "app/cli/CoreCommands.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/CsvReader.h"
#include "data/NumberText.h"
#include "path/core/PathSetupFile.h"

#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// Everything the core reads and writes, as bytes, for comparison across locales.
std::string everyOutput(const TempDir &dir)
{
    DataColumns columns;
    columns.path = dir.write("d.csv", "1.5,2.25\n-3.75e1,4.5\n");
    columns.useY = true;
    DataSeries series;
    loadDataColumns(columns, series, false);
    std::string all = formatFixed(series.x[0], 6) + formatFixed(series.y[1], 6) + "\n";

    CorrSetupValues corr;
    corr.frameXTop = 12.25;
    writeCorrSetupFile(dir.file("a.kvs"), corr);
    CorrSetup setup;
    applyCorrSetupLine(setup, 8, "12.25");
    all += TempDir::read(dir.file("a.kvs")) + formatFixed(setup.values.frameXTop, 6) + "\n";

    PathSetupValues path;
    path.originX = -50.7;
    writePathSetupFile(dir.file("a.kvt"), path);
    all += TempDir::read(dir.file("a.kvt"));

    std::ostringstream out, err;
    runCoreCommand({ "stats", dir.file("d.csv"), "--frame", "10.5,-10.5,5.5,-5.5" }, out, err);
    runCoreCommand(
        { "route", dir.file("d.csv"), "-o", dir.file("r.csv"), "--divisions", "3" }, out, err);
    all += TempDir::read(dir.file("r.csv"));
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
