#include "data/DataReadMessage.h"

#include "data/CsvDialect.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"
#include "data/Translate.h"

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
    case Outcome::BlankStartRow:
        return fillIn(
            tx("DataRead", "データ開始行 %1 行目が空行です"), { formatInt(report.startRow) });
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
        return tx("DataRead", "ファイルが見つかりません");
    case Outcome::IsFolder:
        return tx("DataRead", "フォルダです");
    case Outcome::NotReadable:
        return tx("DataRead", "読み取りが許可されていません");
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
    return fillIn(
        tx("DataRead", "%1 行 (最初は %2 行目)"), { formatInt(rows), formatInt(firstLine) });
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

} // namespace

std::string dataReadMessage(const DataReadReport &report)
{
    if (const std::string cause = openCause(report.outcome); !cause.empty())
        return fillIn(tx("DataRead", "データファイルを開けません (%1)。"), { cause }) + "\n"
            + report.path;
    if (const std::string cause = noDataRowCause(report); !cause.empty())
        return fillIn(tx("DataRead", "データファイルにデータ行がありません (%1)。"), { cause })
            + "\n" + report.path;
    if (report.fieldsClean()) {
        const std::string told = notes(report);
        if (told.empty())
            return {};
        return tx("DataRead", "データファイルを読みました。") + "\n" + report.path + "\n"
            + told.substr(0, told.size() - 1);
    }

    std::string text = tx("DataRead", "データファイルの一部の値を数値として読めませんでした。")
        + "\n" + report.path + "\n" + notes(report);
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
    if (report.firstRowLooksLikeHeading)
        text += fillIn(tx("DataRead",
                           "%1 行目は見出し行のようです。データ開始行を %2 にしてください。"),
                    { formatInt(report.startRow), formatInt(report.startRow + 1) })
            + "\n";
    text.pop_back();
    return text;
}
