#pragma once
#include "ReportData.h"

#include <QString>
#include <QStringList>
#include <vector>

// The report templates: HTML files Qr/<name>.html with placeholders in double braces.
//
//   {{memoDate}} {{sCurKHname}} {{memoCaption}}   the calling window's variables
//   {{title}}                 the text of the template's <title>
//   {{PrintDate}}             today as "yyyy年MM月dd日"
//   {{CompanyName}} {{RowCount}}
//   {{#rows}} ... {{/rows}}   repeated for every row of the data set, in its order (a block
//                             inside a block is part of the row: blocks do not nest)
//   {{F_field}}               a field: in a row block of that row, elsewhere of the current row;
//                             in the column's display format when the report has grid columns
//   {{F_field|￥,0.00}}        a field in the display format given
//   {{RowNo}}                 the row's number in a row block, from 1
//   {{sum:F_field}}           the sum of a field over all rows (also with "|format")
//   {{table}}                 the visible columns as a table: grid titles ("group|title" as two
//                             title rows), the rows, and a totals row (the grid's footers, or
//                             sums of the money columns)
//   {{cards}}                 every row as a block of title/value pairs (wide records)
//   {{>name}}                 the template Qr/name.html inserted here
//
// Values are HTML-escaped. A name that is neither a field nor answered gives an empty text, and
// sCurKHname falls back to the company name. Unknown tags and unbalanced blocks never fail.
namespace ReportTemplate {

// The variables the designer offers under " 自定义变量".
const QStringList &customVariables();
inline const QString CustomCategory = QStringLiteral(" 自定义变量");

// Expands the template into one HTML text; rowLimit >= 0 stops row blocks and tables after that
// many rows (the designer's live preview).
QString render(const QString &source, const ReportData &data, int rowLimit = -1);

// The expanded template for printing: HTML parts, with {{table}} and {{cards}} (outside row
// blocks) left as parts of their own that ReportPages lays out natively, so a report of many
// thousand rows paginates in moments. Such a tag should stand outside other HTML tables.
struct Part {
    enum Kind { Html, Table, Cards } kind;
    QString html;
};
std::vector<Part> renderParts(const QString &source, const ReportData &data);

// The text of the template's <title>, empty when it has none.
QString title(const QString &source);

// The template's text, or an empty text when there is no such file.
QString load(const QString &name);

} // namespace ReportTemplate
