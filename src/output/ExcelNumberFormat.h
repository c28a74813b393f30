#pragma once
#include <QString>

// Translates a grid column's display format into the number format of a spreadsheet cell.
//
// Number formats keep their meaning: "￥,0.00##" becomes "\"￥\"#,##0.00##" (a comma anywhere
// switches on grouping, which the spreadsheet wants between the integer places), "0." becomes
// "0" (a point without decimal places shows none), text is quoted so that '%' or letters stay
// text, and an empty negative or zero section repeats the first one as it does in the grid.
// Date and time formats go through DateTimeFormat. An empty format gives an empty text.
namespace ExcelNumberFormat {
QString fromDisplayFormat(const QString &displayFormat);
}
