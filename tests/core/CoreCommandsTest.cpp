#include "app/cli/CoreCommands.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result
{
    int status;
    std::string out;
    std::string err;
};

Result run(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    const int status = runCoreCommand(args, out, err);
    return { status, out.str(), err.str() };
}

TEST(StatsCommand, printsEveryKeyInOrder)
{
    TempDir dir;
    const std::string data = dir.write("d.csv", "x,y\r\n1,2\r\n2,4\r\n3,6\r\n");
    const Result r = run({ "stats", data, "--start", "2" });
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\n"
        "  \"rowCount\": 3,\n  \"lastIndex\": 2,\n"
        "  \"widenedXMax\": 3,\n  \"widenedXMin\": 0,\n"
        "  \"widenedYMax\": 6,\n  \"widenedYMin\": 1,\n"
        "  \"frameXMax\": 3,\n  \"frameXMin\": -3,\n  \"frameYMax\": 6,\n  \"frameYMin\": -6,\n"
        "  \"corrScaleX\": 49.833333333333336,\n  \"corrScaleY\": 24.916666666666668,\n"
        "  \"frameCentreX\": 0,\n  \"frameCentreY\": 0,\n"
        "  \"corrOffsetX\": 0,\n  \"corrOffsetY\": 0,\n"
        "  \"meanX\": 2,\n  \"meanY\": 4,\n"
        "  \"regressionSlope\": 2,\n  \"regressionIntercept\": 0,\n"
        "  \"r\": 0.9999999999999998\n"
        "}\n");
}

TEST(StatsCommand, manualFrameAndColumns)
{
    TempDir dir;
    const std::string data = dir.write("d.csv", "0,5,0.1\n0,3,0.2\n");
    const Result r = run({ "stats", data, "--x", "3", "--y=2", "--frame", "100.9,-50.2,20,-20" });
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"widenedXMax\": 0,"), std::string::npos);
    EXPECT_NE(r.out.find("\"frameXMax\": 100,"), std::string::npos);
    EXPECT_NE(r.out.find("\"frameCentreX\": 25,"), std::string::npos);
    EXPECT_NE(r.out.find("\"corrOffsetX\": 49,"), std::string::npos);
    EXPECT_NE(r.out.find("\"meanX\": 0.15000000000000002,"), std::string::npos);
}

TEST(StatsCommand, degenerateDataGivesNulls)
{
    TempDir dir;
    const Result equalX = run({ "stats", dir.write("d.csv", "2,1\n2,5\n") });
    ASSERT_EQ(equalX.status, 0);
    EXPECT_NE(equalX.out.find("\"regressionSlope\": null,"), std::string::npos);
    EXPECT_NE(equalX.out.find("\"regressionIntercept\": null,"), std::string::npos);
    EXPECT_NE(equalX.out.find("\"r\": null\n"), std::string::npos);
}

struct FailureCase
{
    const char *name;
    std::vector<std::string> args; // "DATA" stands for a file with two rows
    int status;
    const char *message;
};

class CommandFailure : public testing::TestWithParam<FailureCase>
{
};

TEST_P(CommandFailure, exitsWithItsStatusAndAMessage)
{
    TempDir dir;
    const std::string data = dir.write("d.csv", "0,0\n10,5\n");
    std::vector<std::string> args = GetParam().args;
    for (std::string &arg : args) {
        if (arg == "DATA")
            arg = data;
        else if (arg == "OUT")
            arg = dir.file("route.csv");
        else if (arg == "HEADING")
            arg = dir.write("h.csv", "x,y\n");
        else if (arg == "MISSING")
            arg = dir.file("missing.csv");
    }
    const Result r = run(args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("route.csv")));
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandFailure,
    testing::Values(FailureCase { "noCommand", {}, 2, "unknown command" },
        FailureCase { "unknownCommand", { "render" }, 2, "unknown command" },
        FailureCase { "statsMissingFile", { "stats", "MISSING" }, 1, "cannot read" },
        FailureCase { "statsNoDataRow", { "stats", "HEADING", "--start", "2" }, 1, "no data row" },
        FailureCase { "statsUnknownOption", { "stats", "DATA", "--z", "1" }, 2, "Usage:" },
        FailureCase { "statsColumnZero", { "stats", "DATA", "--x", "0" }, 2, "Usage:" },
        FailureCase { "statsBadFrame", { "stats", "DATA", "--frame", "1,2,3" }, 2, "--frame" },
        FailureCase { "statsTwoFiles", { "stats", "DATA", "DATA" }, 2, "exactly one" },
        FailureCase { "routeNoOutput", { "route", "DATA" }, 2, "-o ROUTE.csv" },
        FailureCase { "routeBothMethods", { "route", "DATA", "-o", "OUT", "--linear", "--curve" },
            2, "exclude" },
        FailureCase { "routeDivisionsZero", { "route", "DATA", "-o", "OUT", "--divisions", "0" }, 2,
            "divisions" },
        FailureCase { "routeDivisionsText", { "route", "DATA", "-o", "OUT", "--divisions", "5x" },
            2, "Usage:" },
        FailureCase { "routeMoveTimeTooShort", { "route", "DATA", "-o", "OUT", "--move-time", "9" },
            2, "move time" },
        FailureCase {
            "routeZoomThree", { "route", "DATA", "-o", "OUT", "--zoom", "3" }, 2, "--zoom" },
        FailureCase {
            "routeOnePoint", { "route", "DATA", "-o", "OUT", "--start", "2" }, 1, "at least two" },
        FailureCase {
            "routeMissingPoints", { "route", "MISSING", "-o", "OUT" }, 1, "cannot read" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(RouteCommand, writesTheRouteFileAsPlayDoes)
{
    TempDir dir;
    const std::string points = dir.write("p.csv", "0,0\r\n100,50\r\n200,0\r\n");
    const std::string route = dir.file("route.csv");
    const Result r = run(
        { "route", points, "-o", route, "--curve", "--divisions", "2", "--move-time", "1000" });
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = TempDir::read(route);
    EXPECT_EQ(text.substr(0, 10), "\x82\x77\x8e\xb2\x83\x66\x81\x5b\x83\x5e");
    const std::string body = text.substr(text.find("\r\n") + 2);
    EXPECT_EQ(body.substr(0, body.find("\r\n")), "0.000000,0.000000,53.130071,1000,500");
    EXPECT_NE(body.find("\r\n50.000000,37.500000,"), std::string::npos);
    EXPECT_NE(body.find("\r\n150.000000,37.500000,"), std::string::npos);
    EXPECT_EQ(body.find('\n', body.size() - 1), body.size() - 1);
}

TEST(RouteCommand, tooManyPointsWritesNothing)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 101; ++i)
        text += std::to_string(i * 10) + ",0\n";
    const std::string route = dir.file("route.csv");
    const Result r = run({ "route", dir.write("p.csv", text), "-o", route, "--divisions", "100" });
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("more than 10000 route points"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(route));
}

TEST(RouteCommand, pointsBeyondTheReadersCapacityAreRefused)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i <= 10000; ++i)
        text += std::to_string(i) + ",1\n";
    const std::string route = dir.file("route.csv");
    const Result r = run({ "route", dir.write("p.csv", text), "-o", route, "--divisions", "1" });
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("more than 10000"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(route));
}

TEST(CoreCommands, helpGoesToStandardOutput)
{
    const Result stats = run({ "stats", "--help" });
    EXPECT_EQ(stats.status, 0);
    EXPECT_EQ(stats.out.rfind("Usage: tracelet stats", 0), 0u);
    const Result route = run({ "route", "-h" });
    EXPECT_EQ(route.status, 0);
    EXPECT_EQ(route.out.rfind("Usage: tracelet route", 0), 0u);
}

} // namespace
