#include "mainwnd/DataFileMessage.h"

#include "data/CsvReader.h"
#include "data/DataReadMessage.h"
#include "data/DataReadReport.h"
#include "mainwnd/RunState.h"
#include "platform/Platform.h"

int loadDataColumnsWithMessage(RunState &rs, bool withPathColumns)
{
    DataReadReport report;
    const int rows = loadDataColumns(rs, withPathColumns, &report);
    rs.dataFileMessage = dataReadMessage(report);
    if (!rs.dataFileMessage.empty())
        AfxMessageBox(rs.dataFileMessage);
    return rows;
}
