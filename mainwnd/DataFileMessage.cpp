#include "mainwnd/DataFileMessage.h"

#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "platform/Platform.h"

int loadDataColumnsWithMessage(
    const DataColumns &columns, DataSeries &series, bool withPathColumns, std::string &message)
{
    DataReadReport report;
    const int rows = loadDataColumns(columns, series, withPathColumns, &report);
    message = dataReadMessage(report);
    if (!message.empty())
        AfxMessageBox(message);
    return rows;
}
