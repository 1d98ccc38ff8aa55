#include "app/cli/CoreCommands.h"

#include "TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Exit status, standard output, standard error.
std::tuple<int, std::string, std::string> run(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    const int status = runCoreCommand(args, out, err);
    return { status, out.str(), err.str() };
}

bool has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST(StatsCommand, printsEveryKeyInOrder)
{
    TempDir dir;
    const auto [status, out, err]
        = run({ "stats", dir.write("d.csv", "x,y\r\n1,2\r\n2,4\r\n3,6\r\n"), "--start", "2" });
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(out,
        "{\n  \"rowCount\": 3,\n  \"lastIndex\": 2,\n  \"widenedXMax\": 3,\n  \"widenedXMin\": 0,\n"
        "  \"widenedYMax\": 6,\n  \"widenedYMin\": 1,\n  \"frameXMax\": 3,\n  \"frameXMin\": -3,\n"
        "  \"frameYMax\": 6,\n  \"frameYMin\": -6,\n  \"corrScaleX\": 49.833333333333336,\n"
        "  \"corrScaleY\": 24.916666666666668,\n  \"frameCentreX\": 0,\n  \"frameCentreY\": 0,\n"
        "  \"corrOffsetX\": 0,\n  \"corrOffsetY\": 0,\n  \"meanX\": 2,\n  \"meanY\": 4,\n"
        "  \"regressionSlope\": 2,\n  \"regressionIntercept\": 0,\n  \"r\": "
        "0.9999999999999998,\n  \"emptyLines\": 0,\n  \"emptyLinesFirst\": [],\n"
        "  \"noNumberLines\": 0,\n  \"noNumberLinesFirst\": [],\n  \"otherDialectLines\": 0,\n"
        "  \"otherDialectLinesFirst\": []\n}\n");
    EXPECT_EQ(err, ""); // a comma file goes without a word

    // Lines without a row are left out of the statistics and accounted for on stderr and in JSON.
    const auto [leftStatus, leftOut, leftErr]
        = run({ "stats", dir.write("t.csv", "1,2\r\n\r\n2,4\r\n3,6\r\nTotal,12\r\n\r\n") });
    EXPECT_TRUE(has(leftOut, "\"rowCount\": 3,") && has(leftOut, "\"meanY\": 4,")
        && has(leftOut, "\"emptyLines\": 1,\n  \"emptyLinesFirst\": [2],")
        && has(leftOut, "\"noNumberLines\": 1,\n  \"noNumberLinesFirst\": [5],"))
        << leftOut;
    EXPECT_EQ(leftErr,
        "tracelet stats: note: " + dir.file("t.csv")
            + ": 3 行を読みました。除いた行: 空行 1 (2 行目)、数値のない行 1 (5 行目)\n");

    // The same data as a spreadsheet in a decimal-comma region saves it: the same numbers, and
    // a note in English that says how the file was read.
    const auto [semicolonStatus, semicolonOut, semicolonErr]
        = run({ "stats", dir.write("s.csv", "x;y\r\n1,0;2\r\n2;4,0\r\n3;6\r\n"), "--start", "2" });
    EXPECT_EQ(semicolonOut, out);
    EXPECT_TRUE(has(semicolonErr, "「区切り文字: セミコロン、小数点: カンマ」として読みました"))
        << semicolonErr;
}

// Options and failures: what each run exits with and a part of what it says.
TEST(CoreCommands, optionsAndFailures_exitWithTheirStatusAndMessage_andLeaveNoFile)
{
    TempDir dir;
    std::string hundredOne; // 101 teaching points
    for (int i = 0; i <= 100; ++i)
        hundredOne += std::to_string(i) + ",1\n";
    const std::map<std::string, std::string> files { { "DATA", dir.write("d.csv", "0,0\n10,5\n") },
        { "OUT", dir.file("route.csv") }, { "MISSING", dir.file("missing.csv") },
        { "HUNDRED", dir.write("k.csv", hundredOne) },
        { "NOFOLDER", dir.file("missing/route.csv") },
        { "COLUMNS", dir.write("c.csv", "0,5,0.1\n0,3,0.2\n") },
        { "EQUALX", dir.write("e.csv", "2,1\n2,5\n") } };
    const std::vector<std::string> manual { "stats", "COLUMNS", "--x", "3", "--y=2", "--frame",
        "100.9,-50.2,20,-20" };
    // Help and statistics go to standard output with status 0; any failure to standard error.
    const std::tuple<std::vector<std::string>, int, const char *> rows[] = {
        { manual, 0, "\"frameXMax\": 100," },
        { manual, 0, "\"meanX\": 0.15000000000000002," },
        { { "stats", "EQUALX" }, 0,
            "\"regressionSlope\": null,\n  \"regressionIntercept\": null,\n  \"r\": null,\n" },
        { { "stats", "--help" }, 0, "Usage: tracelet stats" },
        { { "render" }, 2, "unknown command" },
        { { "stats", "MISSING" }, 1, "cannot read" },
        { { "stats", "DATA", "--x", "0" }, 2, "Usage:" },
        { { "route", "DATA" }, 2, "-o ROUTE.csv" },
        { { "route", "DATA", "-o", "OUT", "--divisions", "0" }, 2, "divisions" },
        { { "route", "DATA", "-o", "OUT", "--move-time", "9" }, 2, "move time" },
        { { "route", "DATA", "-o", "OUT", "--zoom", "3" }, 2, "--zoom" },
        { { "route", "HUNDRED", "-o", "OUT", "--divisions", "100" }, 1, "more than 10000 route" },
        { { "route", "DATA", "-o", "NOFOLDER" }, 1, "route.csv: No such file or directory" },
    };
    for (auto [args, expected, message] : rows) {
        for (std::string &arg : args)
            if (files.contains(arg))
                arg = files.at(arg);
        const auto [status, out, err] = run(args);
        SCOPED_TRACE(message);
        EXPECT_EQ(status, expected);
        EXPECT_EQ(out.empty(), status != 0);
        EXPECT_TRUE(has(status == 0 ? out : err, message)) << out << err;
        EXPECT_FALSE(std::filesystem::exists(files.at("OUT")));
    }
}

TEST(RouteCommand, writesTheRouteFileAsPlayDoes)
{
    TempDir dir;
    const std::string route = dir.file("route.csv");
    const auto [status, out, err] = run({ "route", dir.write("p.csv", "0,0\r\n100,50\r\n200,0\r\n"),
        "-o", route, "--curve", "--divisions", "2", "--move-time", "1000" });
    ASSERT_EQ(status, 0) << err;
    const std::string text = TempDir::read(route); // its bytes are the teaching route's own
    const std::string body = text.substr(text.find("\r\n") + 2);
    EXPECT_EQ(body.substr(0, body.find("\r\n")), "0.000000,0.000000,53.130071,1000,500");
    EXPECT_TRUE(has(body, "\r\n50.000000,37.500000,"));

    // Straight by default, 10 divisions; a period the move time does not divide is cut.
    for (const auto &[divisions, period, lines] :
        { std::tuple { "", ",1000,100\r\n", 22 }, { "6", ",1000,166\r\n", 14 } }) {
        std::vector<std::string> args { "route", dir.file("p.csv"), "-o", route };
        if (*divisions)
            args.insert(args.end(), { "--divisions", divisions });
        ASSERT_EQ(std::get<0>(run(args)), 0) << divisions;
        const std::string written = TempDir::read(route);
        EXPECT_NE(written.find(period), std::string::npos) << written.substr(0, 200);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), lines) << divisions;
    }
}

} // namespace
