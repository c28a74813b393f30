#pragma once
#include "ReportData.h"

#include <QString>
#include <vector>

// The generic parts of a report template, {{table}} and {{cards}}, built from the report's
// columns so that one template body serves every data set.
namespace ReportTables {

// The columns a report shows: the visible grid columns in grid order, or, without grid columns,
// every field of the data set titled by its name.
std::vector<GridColumn> shownColumns(const ReportData &data);

QString table(const ReportData &data, int rowLimit = -1);
// The totals row of a table of these columns: the grid's footers where it has any, otherwise
// sums of the money columns, "合计" in the first column when it has no total of its own. Empty
// when there is nothing to total.
std::vector<QString> totals(const std::vector<GridColumn> &columns, const DataSet &data);
QString cards(const ReportData &data, int rowLimit = -1);

// A value for HTML: escaped, line breaks kept.
QString escape(const QString &text);

} // namespace ReportTables
