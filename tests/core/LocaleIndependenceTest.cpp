#include "TempDir.h"
#include "app/cli/CoreCommands.h"
#include "correlation/core/CorrSetupFile.h"

#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// Numbers read from a data file and a setup line, and every file and report written, as bytes.
std::string everyOutput(const TempDir &dir)
{
    const std::string data = dir.write("d.csv", "1.5,2.25\n-3.75e1,4.5\n");
    std::ostringstream out, err;
    runCoreCommand({ "stats", data, "--frame", "10.5,-10.5,5.5,-5.5" }, out, err);
    runCoreCommand({ "route", data, "-o", dir.file("r.csv"), "--divisions", "3" }, out, err);
    CorrSetup corr;
    applyCorrSetupLine(corr, 8, "12.25");
    writeCorrSetupFile(dir.file("a.kvs"), corr.values);
    return out.str() + TempDir::read(dir.file("r.csv")) + TempDir::read(dir.file("a.kvs"));
}

TEST(LocaleIndependence, decimalCommaLocaleGivesTheSameValuesAndBytes)
{
    TempDir dir;
    const std::string inC = everyOutput(dir);
    EXPECT_NE(inC.find("\r\n12.2\r\n"), std::string::npos) << inC;
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
