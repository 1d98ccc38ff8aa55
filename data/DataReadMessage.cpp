#include "data/DataReadMessage.h"

#include "data/CsvDialect.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"

namespace {

using Outcome = DataReadReport::Outcome;

constexpr const char *kRoleNames[DataReadReport::RoleCount]
    = { "X", "Y", "方向", "補間速度", "プロット速度" };

std::string noDataRowCause(const DataReadReport &report)
{
    switch (report.outcome) {
    case Outcome::EmptyFile:
        return "ファイルが空です";
    case Outcome::EndsBeforeStartRow:
        return "ファイルは " + formatInt(report.linesInFile) + " 行で、データ開始行 "
            + formatInt(report.startRow) + " 行目がありません";
    case Outcome::BlankStartRow:
        return "データ開始行 " + formatInt(report.startRow) + " 行目が空行です";
    case Outcome::Read:
    case Outcome::NotFound:
    case Outcome::IsFolder:
    case Outcome::NotReadable:
        break;
    }
    return {};
}

std::string openCause(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NotFound:
        return "ファイルが見つかりません";
    case Outcome::IsFolder:
        return "フォルダです";
    case Outcome::NotReadable:
        return "読み取りが許可されていません";
    case Outcome::Read:
    case Outcome::EmptyFile:
    case Outcome::EndsBeforeStartRow:
    case Outcome::BlankStartRow:
        break;
    }
    return {};
}

std::string rowsFrom(int rows, int firstLine)
{
    return formatInt(rows) + " 行 (最初は " + formatInt(firstLine) + " 行目)";
}

// What the person should know of a read that went well: how the file was taken apart, and a
// skipped heading line that held a point.
std::string notes(const DataReadReport &report)
{
    std::string text;
    if (report.dialect != kCommaDialect)
        text += "このファイルは「" + csvDialectName(report.dialect) + "」として読みました。\n";
    if (report.headingHoldsNumbers) {
        const std::string line = formatInt(report.startRow - 1);
        text += line
            + " 行目は見出し行として読み飛ばしましたが、数値が入っています。見出し行のない"
              "ファイルでは最初の点が使われません。"
            + line + " 行目に見出し行を入れてください。\n";
    }
    return text;
}

} // namespace

std::string dataReadMessage(const DataReadReport &report)
{
    if (const std::string cause = openCause(report.outcome); !cause.empty())
        return "データファイルを開けません (" + cause + ")。\n" + report.path;
    if (const std::string cause = noDataRowCause(report); !cause.empty())
        return "データファイルにデータ行がありません (" + cause + ")。\n" + report.path;
    if (report.fieldsClean()) {
        const std::string told = notes(report);
        if (told.empty())
            return {};
        return "データファイルを読みました。\n" + report.path + "\n"
            + told.substr(0, told.size() - 1);
    }

    std::string text = "データファイルの一部の値を数値として読めませんでした。\n" + report.path
        + "\n" + notes(report);
    bool anyNotNumber = false, anyMissing = false;
    for (std::size_t role = 0; role < DataReadReport::RoleCount; ++role) {
        const auto &c = report.columns[role];
        const std::string name
            = std::string(kRoleNames[role]) + " (" + formatInt(c.column) + " 列目): ";
        if (c.notNumberRows > 0) {
            text += name + "数値でない値が " + rowsFrom(c.notNumberRows, c.firstNotNumberLine)
                + "\n";
            anyNotNumber = true;
        }
        if (c.missingRows > 0) {
            text += name + "この列がない行が " + rowsFrom(c.missingRows, c.firstMissingLine) + "\n";
            anyMissing = true;
        }
    }
    if (anyNotNumber)
        text += "数値でない値は 0 として扱われます。\n";
    if (anyMissing)
        text += "列がない行では、前の行のその列の値 (なければ 0) が使われます。\n";
    if (report.firstRowLooksLikeHeading)
        text += formatInt(report.startRow) + " 行目は見出し行のようです。データ開始行を "
            + formatInt(report.startRow + 1) + " にしてください。\n";
    text.pop_back();
    return text;
}
