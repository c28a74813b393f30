#pragma once
#include <QString>

// The spreadsheet's spelling of a date or time display format ("yyyy-mm-dd", "hh:nn:ss",
// "yyyy年mm月dd日"). The grid's CellFormatter reads the original letters (m is the month except
// after an hour, n the minute) into a Qt format; this writes that Qt format out again for the
// spreadsheet, where m serves month and minute alike and text is quoted.
namespace DateTimeFormat {
QString toExcel(const QString &displayFormat);
}
