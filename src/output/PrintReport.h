#pragma once
#include "grids/GridColumn.h"

#include <QString>
#include <vector>

class DataGrid;
class DataSet;
class QWidget;
class ReportValueProvider;

// Prints a data set through the report template Qr/<name>.html: expands it (ReportTemplate) with
// the window's variables and shows the pages in the print preview. An empty data set prints
// nothing; a missing template gives an empty report, without a message. `columns` (the grid's)
// give the fields' titles, display formats and visibility to {{table}} and the placeholders.
void PrintReport(const QString &name, const DataSet &data, ReportValueProvider *provider = nullptr,
                 const std::vector<GridColumn> &columns = {}, QWidget *parent = nullptr);

// Opens the template in the report designer (modal), where saving writes it back to its file.
void DesignReport(const QString &name, const DataSet &data, ReportValueProvider *provider = nullptr,
                  const std::vector<GridColumn> &columns = {}, QWidget *parent = nullptr);

// The grid's data set, with the grid's columns for titles, formats and visibility.
void PrintReport(const QString &name, DataGrid *grid, ReportValueProvider *provider = nullptr);
void DesignReport(const QString &name, DataGrid *grid, ReportValueProvider *provider = nullptr);
