#include "mainwnd/DataFileMessage.h"

#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "platform/Platform.h"

int loadDataColumnsWithMessage(RunState &rs, bool withPathColumns)
{
    DataReadReport report;
    const int rows = loadDataColumns(rs, withPathColumns, &report);
    if (const std::string message = dataReadMessage(report); !message.empty())
        AfxMessageBox(message);
    return rows;
}
