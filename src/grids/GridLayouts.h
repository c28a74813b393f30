#pragma once
#include <QString>

class DataGrid;

// The grid layout services of the data module over the cfg_grid table.
//
// LoadGridLayout: the rows of the key (those with a field name), in F_Order order, replace the
// grid's columns; a key without rows leaves the grid as it is; a failing query shows
// "操作失败，请检查数据连接... " and leaves the grid as it is.
void LoadGridLayout(DataGrid *grid, const QString &key);
// SaveGridLayout: updates, for every column in its current order, the existing row of the
// lower-cased key and the column's field; columns without a row are not saved. A failing column
// shows the ExecSql message and the next one is still tried. Callers ask first.
void SaveGridLayout(DataGrid *grid, const QString &key);
// ChooseGridColumns: the column chooser over the grid; its confirmed ticks show or hide columns.
void ChooseGridColumns(DataGrid *grid);
