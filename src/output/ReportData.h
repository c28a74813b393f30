#pragma once
#include "grids/GridColumn.h"

#include <vector>

class DataSet;
class ReportValueProvider;

// What a report prints: the data set's rows, how its fields are titled and formatted (the grid's
// columns; without them every field of the data set, titled by its name), and the window that
// answers the template's variables.
struct ReportData {
    const DataSet *data = nullptr;
    std::vector<GridColumn> columns;
    ReportValueProvider *provider = nullptr;
};
