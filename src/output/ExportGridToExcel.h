#pragma once
#include "grids/GridColumn.h"

#include <QString>
#include <vector>

class DataGrid;
class DataSet;
class QWidget;

// The grid export: writes the grid's visible columns and rows into a workbook (WorkbookWriter)
// in the export folder and, when asked, opens it with the desktop's spreadsheet program. When
// the workbook cannot be written the operator sees ExcelFailedMessage in a box captioned
// "错误"; when it is written but cannot be opened, the message names the workbook's path.
// Returns the workbook's path (also when it could not be opened), or an empty text when it
// could not be written.
inline const QString ExcelFailedMessage =
    QStringLiteral("系统中的MS Excel软件没有安装或安装不正确！");
inline const QString WorkbookSavedAsText = QStringLiteral("工作簿已保存为：");
inline const QString ExcelFailedCaption = QStringLiteral("错误");
inline const QString ExportProgressText = QStringLiteral("正在导出到 Excel 工作簿...");
inline const QString ExportCancelText = QStringLiteral("取消");
// From this many rows the workbook is written behind a progress box that can cancel it; a
// cancelled export shows nothing and returns an empty text.
constexpr int BackgroundExportRows = 20000;

QString ExportGridToExcel(const std::vector<GridColumn> &columns, const DataSet &data,
                          const QString &sheetName, bool showExcel, QWidget *parent = nullptr);
// The message when the workbook was written but no program opened it: the failure text and
// the workbook's path, so that the result is not lost from sight.
QString workbookNotOpenedMessage(const QString &path);
// The grid's columns in their screen order over its data set.
QString ExportGridToExcel(DataGrid *grid, const QString &sheetName, bool showExcel);

// Exports are written to the system's temporary folder: they are meant to be looked at and
// saved elsewhere from the spreadsheet program; the program itself never keeps them.
QString exportFolder();
// A new file name in the export folder: the sheet name and the time of the export.
QString exportPath(const QString &sheetName);
