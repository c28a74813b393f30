#pragma once
#include "GridPrinter.h"

#include <QString>
#include <vector>

class DataGrid;
class DataSet;
class QWidget;

// The grid printout: lays out the grid's visible columns and rows (GridPrinter) with the title,
// the page header's left text (when the header text is not blank) and the page footer's right
// text (when the footer text is not blank), and shows them in the print preview.
//
// Fit mode 0 fits the grid to the page width and stretches rows, 1 fits by column widths; any
// other value keeps the mode of the previous printout.
void PrintGrid(const std::vector<GridColumn> &columns, const DataSet &data, const QString &title,
               int fitMode, const QString &footerText, const QString &headerText,
               QWidget *parent = nullptr, GridPrinter::CellTextFunction cellText = {},
               const QStringList &footerTexts = {});

// The grid's columns in screen order, its cell texts (with its hooks) and its footers.
void PrintGrid(DataGrid *grid, const QString &title, int fitMode, const QString &footerText,
               const QString &headerText);

// The page texts of a printout. The footer text "date" stands for "打印日期：" and today as
// "yyyy年MM月dd日" (the platform's clock).
GridPrinter::Texts gridPrintTexts(const QString &title, const QString &footerText,
                                  const QString &headerText);
// 0 or 1 for the fit mode asked, or the previous mode for any other value.
int gridPrintFitMode(int fitMode);
