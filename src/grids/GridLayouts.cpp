#include "GridLayouts.h"

#include "DataGrid.h"

void LoadGridLayout(DataGrid *, const QString &) {}
void SaveGridLayout(DataGrid *, const QString &) {}
void ChooseGridColumns(DataGrid *) {}
