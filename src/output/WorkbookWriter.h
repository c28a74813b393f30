#pragma once
#include "grids/GridColumn.h"

#include <QString>
#include <functional>
#include <vector>

class DataSet;

// Writes a grid's columns and rows into a one-sheet .xlsx file the way the spreadsheet export
// lays them out:
// - row 1 holds the titles of the visible columns, each in the sheet column of its position in
//   the grid counted from 1, so hidden columns leave empty sheet columns;
// - from row 2 one row per record in the data set's order; a cell gets the number format
//   translated from its column's display format, or the text format "@" when there is none;
//   a number (or a text holding one) under a number format is written as a number, a stored
//   date under a date format as a date, everything else as text; the stored no-date value
//   "1900-08-14" leaves its cell empty.
// Rows are streamed to disk as they are written, so a million-row grid needs little memory.
// The data set's current row is not moved.
class WorkbookWriter {
public:
    // Excel's limits: 31 characters, none of []:*?/\, no apostrophe at either end.
    static QString sheetName(const QString &requested);

    // Told the number of rows written now and then; returning false stops the export.
    using Progress = std::function<bool(int rowsWritten)>;

    // False, with a reason in *error, when the file cannot be written or the export was stopped;
    // no file is left then. Reads the data set only, so it may run on a worker thread while the
    // data set stays untouched.
    static bool write(const QString &path, const QString &sheetName,
                      const std::vector<GridColumn> &columns, const DataSet &data,
                      QString *error = nullptr, const Progress &progress = {});
};
