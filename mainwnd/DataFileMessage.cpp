#include "mainwnd/DataFileMessage.h"

#include "app/cli/CommandLine.h"
#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "platform/Platform.h"

#include <filesystem>

int loadDataColumnsWithMessage(const DataColumns &columns, DataSeries &series, bool withPathColumns)
{
    DataReadReport report;
    const int rows = loadDataColumns(columns, series, withPathColumns, &report);
    if (const std::string message = dataReadMessage(report); !message.empty())
        AfxMessageBox(message);
    return rows;
}

std::string noDataRefusal(const std::string &dataFile, const std::string &setupFile, int startRow)
{
    if (!isReadableFile(dataFile))
        return "cannot read the data file " + dataFile + " named in "
            + std::filesystem::path(setupFile).filename().string();
    return dataFile + " holds no data rows from row " + std::to_string(startRow) + " on";
}
