#pragma once
#include "grids/CellFormatter.h"
#include "grids/GridColumn.h"

#include <QString>
#include <vector>

class DataSet;

// The texts a grid shows for the cells and footers of a list of columns over a data set, without
// the widget: cells through the grid's CellFormatter under each column's display format, footers
// as the static text or the column's sum. Printouts and reports that have no DataGrid use it.
class ColumnTexts {
public:
    ColumnTexts(const std::vector<GridColumn> &columns, const DataSet &data);

    int dataColumn(int column) const { return m_fields[std::size_t(column)]; }
    // row in the data set's order; column an index into the list
    QString cell(int row, int column) const;
    QString footer(int column) const;

private:
    const std::vector<GridColumn> &m_columns;
    const DataSet &m_data;
    std::vector<int> m_fields;
    std::vector<CellFormatter> m_formatters;
};
