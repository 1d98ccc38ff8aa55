#include "data/DataReadMessage.h"

#include "data/CsvDialect.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"
#include "data/Translate.h"

#include <utility>

namespace {

using Outcome = DataReadReport::Outcome;

constexpr const char *kRoleNames[DataReadReport::RoleCount]
    = { "X", "Y", TX_NOOP("DataRead", "方向"), TX_NOOP("DataRead", "補間速度"),
          TX_NOOP("DataRead", "プロット速度") };

std::string noDataRowCause(const DataReadReport &report)
{
    switch (report.outcome) {
    case Outcome::EmptyFile:
        return tx("DataRead", "ファイルが空です");
    case Outcome::EndsBeforeStartRow:
        return fillIn(tx("DataRead", "ファイルは %1 行で、データ開始行 %2 行目がありません"),
            { formatInt(report.linesInFile), formatInt(report.startRow) });
    case Outcome::NoDataRow:
        return fillIn(tx("DataRead", "データ開始行 %1 行目から後に数値の行がありません"),
            { formatInt(report.startRow) });
    case Outcome::Read:
    case Outcome::NotFound:
    case Outcome::IsFolder:
    case Outcome::NotReadable:
    case Outcome::TooManyRows:
        break;
    }
    return {};
}

std::string openCause(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NotFound:
        return tx("DataRead", "ファイルが見つかりません");
    case Outcome::IsFolder:
        return tx("DataRead", "フォルダです");
    case Outcome::NotReadable:
        return tx("DataRead", "読み取りが許可されていません");
    case Outcome::Read:
    case Outcome::EmptyFile:
    case Outcome::EndsBeforeStartRow:
    case Outcome::NoDataRow:
    case Outcome::TooManyRows:
        break;
    }
    return {};
}

std::string rowsFrom(int rows, int firstLine)
{
    return fillIn(
        tx("DataRead", "%1 行 (最初は %2 行目)"), { formatInt(rows), formatInt(firstLine) });
}

// "31, 45 行目", with "ほか" when more lines than those listed were left out.
std::string lineList(const DataReadReport::SkippedLines &lines)
{
    std::string numbers;
    const auto listed = lines.listed();
    for (int line : listed) {
        if (!numbers.empty())
            numbers += ", ";
        appendInt(numbers, line);
    }
    // One line and several lines read alike in Japanese, not in every language.
    const std::string words = lines.count > static_cast<int>(listed.size())
        ? tx("DataRead", "%1 行目ほか")
        : lines.count == 1 ? tx("DataReadOneLine", "%1 行目")
                           : tx("DataReadLines", "%1 行目");
    return fillIn(words, { numbers });
}

// Which lines gave no row, and why: one line of text for each reason.
std::string skippedLines(const DataReadReport &report)
{
    constexpr const char *kWhy[DataReadReport::SkipCount] = {
        TX_NOOP("DataRead", "空行 %1 行を読み飛ばしました (%2)。"),
        TX_NOOP("DataRead", "数値のない行 %1 行をデータから除きました (%2)。"),
        TX_NOOP(
            "DataRead", "区切り文字か小数点がほかの行と違う行 %1 行をデータから除きました (%2)。"),
    };
    std::string text;
    for (std::size_t why = 0; why < DataReadReport::SkipCount; ++why) {
        const auto &lines = report.skipped[why];
        if (lines.count > 0)
            text += fillIn(tx("DataRead", kWhy[why]), { formatInt(lines.count), lineList(lines) })
                + "\n";
    }
    return text;
}

// What the person should know of a read that went well: how the file was taken apart, and a
// skipped heading line that held a point.
std::string notes(const DataReadReport &report)
{
    std::string text;
    if (report.dialect != kCommaDialect)
        text += fillIn(tx("DataRead", "このファイルは「%1」として読みました。"),
                    { csvDialectName(report.dialect) })
            + "\n";
    if (report.headingHoldsNumbers) {
        const std::string line = formatInt(report.startRow - 1);
        text += fillIn(
                    tx("DataRead",
                        "%1 "
                        "行目は見出し行として読み飛ばしましたが、数値が入っています。見出し行のない"
                        "ファイルでは最初の点が使われません。%1 行目に見出し行を入れてください。"),
                    { line })
            + "\n";
    }
    return text;
}

// The fields read by a fallback: first-row speeds without a number, lines short of a column.
std::string fieldFindings(const DataReadReport &report)
{
    std::string text;
    bool anyNotNumber = false, anyMissing = false;
    for (std::size_t role = 0; role < DataReadReport::RoleCount; ++role) {
        const auto &c = report.columns[role];
        const std::string name = tx("DataRead", kRoleNames[role]);
        const std::string column = formatInt(c.column);
        if (c.notNumberRows > 0) {
            text += fillIn(tx("DataRead", "%1 (%2 列目): 数値でない値が %3"),
                        { name, column, rowsFrom(c.notNumberRows, c.firstNotNumberLine) })
                + "\n";
            anyNotNumber = true;
        }
        if (c.missingRows > 0) {
            text += fillIn(tx("DataRead", "%1 (%2 列目): この列がない行が %3"),
                        { name, column, rowsFrom(c.missingRows, c.firstMissingLine) })
                + "\n";
            anyMissing = true;
        }
    }
    if (anyNotNumber)
        text += tx("DataRead", "数値でない値は 0 として扱われます。") + "\n";
    if (anyMissing)
        text += tx("DataRead", "列がない行では、前の行のその列の値 (なければ 0) が使われます。")
            + "\n";
    return text;
}

// Rows played at the time before them, and a time column that held no time at all.
std::string timeFindings(const DataReadReport &report)
{
    const std::string column = formatInt(report.timeColumn);
    if (report.noTimeRead)
        return fillIn(tx("DataRead",
                          "時刻 (%1 列目) を読める行がありません。一定の速度で再生します。"),
                   { column })
            + "\n";
    std::string text;
    const std::pair<const DataReadReport::SkippedLines *, const char *> kinds[] = {
        { &report.timeUnread,
            TX_NOOP("DataRead",
                "時刻 (%1 列目) がないか読めない行 %2 行は前の行の時刻で再生します (%3)。") },
        { &report.timeBackwards,
            TX_NOOP("DataRead",
                "時刻 (%1 列目) が前の行より戻っている行 %2 行は前の行の時刻で再生します (%3)。") },
    };
    for (const auto &[lines, words] : kinds)
        if (lines->count > 0)
            text += fillIn(tx("DataRead", words),
                        { column, formatInt(lines->count), lineList(*lines) })
                + "\n";
    return text;
}

} // namespace

std::string dataReadMessage(const DataReadReport &report)
{
    if (const std::string cause = openCause(report.outcome); !cause.empty())
        return fillIn(tx("DataRead", "データファイルを開けません (%1)。"), { cause }) + "\n"
            + report.path;
    if (report.outcome == Outcome::TooManyRows)
        return fillIn(tx("DataRead", "データファイルの行が多すぎます。読めるのは %1 行までです。"),
                   { formatInt(report.rowLimit) })
            + "\n" + report.path;
    if (const std::string cause = noDataRowCause(report); !cause.empty()) {
        std::string text
            = fillIn(tx("DataRead", "データファイルにデータ行がありません (%1)。"), { cause })
            + "\n" + report.path;
        if (const std::string lines = skippedLines(report); !lines.empty())
            text += "\n" + lines.substr(0, lines.size() - 1);
        return text;
    }
    std::string told = notes(report);
    if (report.clean() && told.empty())
        return {};
    told += skippedLines(report) + fieldFindings(report) + timeFindings(report);
    if (report.firstRowLooksLikeHeading)
        told += fillIn(tx("DataRead",
                           "%1 行目は見出し行のようです。データ開始行を %2 にしてください。"),
                    { formatInt(report.startRow), formatInt(report.startRow + 1) })
            + "\n";
    told.pop_back();
    return fillIn(tx("DataRead", "データファイルから %1 行を読みました。"),
               { formatInt(report.rowsRead) })
        + "\n" + report.path + "\n" + told;
}

std::string dataReadNote(const DataReadReport &report)
{
    if (report.outcome != Outcome::Read || report.skippedLines() == 0)
        return {};
    constexpr const char *kWhy[DataReadReport::SkipCount] = {
        TX_NOOP("DataReadNote", "空行 %1 (%2)"),
        TX_NOOP("DataReadNote", "数値のない行 %1 (%2)"),
        TX_NOOP("DataReadNote", "区切り文字か小数点の違う行 %1 (%2)"),
    };
    std::string leftOut;
    for (std::size_t why = 0; why < DataReadReport::SkipCount; ++why) {
        const auto &lines = report.skipped[why];
        if (lines.count == 0)
            continue;
        if (!leftOut.empty())
            leftOut += tx("DataReadNote", "、");
        leftOut
            += fillIn(tx("DataReadNote", kWhy[why]), { formatInt(lines.count), lineList(lines) });
    }
    return fillIn(tx("DataReadNote", "%1 行を読みました。除いた行: %2"),
        { formatInt(report.rowsRead), leftOut });
}
