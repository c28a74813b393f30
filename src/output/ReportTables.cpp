#include "ReportTables.h"

#include "ColumnTexts.h"
#include "db/DataSet.h"

namespace {

const QString TotalCaption = QStringLiteral("合计");
const QString HeaderColour = QStringLiteral("#e6e6e6");
const QString TableStart = QStringLiteral(
    "<table class=\"grid\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
    "style=\"border-collapse: collapse; border-color: #000000;\">\n");

bool isNumericType(const QString &declared)
{
    const QString type = declared.toUpper();
    return type.contains(QLatin1String("INT")) || type.contains(QLatin1String("REAL")) ||
           type.contains(QLatin1String("NUM")) || type.contains(QLatin1String("DOUB")) ||
           type.contains(QLatin1String("FLOA")) || type.contains(QLatin1String("MONEY"));
}

QString alignAttribute(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral(" align=\"right\"");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral(" align=\"center\"");
    return {};
}

bool isMoney(const GridColumn &column)
{
    return column.displayFormat.contains(u'￥');
}

std::vector<QString> totalsOf(const std::vector<GridColumn> &columns, const ColumnTexts &texts,
                              const DataSet &data)
{
    std::vector<QString> sums(columns.size());
    bool footers = false;
    for (const GridColumn &column : columns)
        footers |= column.footerType != GridColumn::Footer::None;
    bool any = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const GridColumn &column = columns[i];
        if (footers) {
            sums[i] = texts.footer(int(i));
        } else if (isMoney(column) && texts.dataColumn(int(i)) >= 0) {
            sums[i] =
                CellFormatter(column.displayFormat).numberText(data.sum(texts.dataColumn(int(i))));
        }
        any |= !sums[i].isEmpty();
    }
    if (!any)
        return {};
    if (sums.front().isEmpty())
        sums.front() = TotalCaption;
    return sums;
}

int shownRows(const DataSet &data, int rowLimit)
{
    return rowLimit >= 0 ? std::min(rowLimit, data.rowCount()) : data.rowCount();
}

} // namespace

QString ReportTables::escape(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(u'\n', QStringLiteral("<br/>"));
    return escaped;
}

std::vector<QString> ReportTables::totals(const std::vector<GridColumn> &columns,
                                          const DataSet &data)
{
    return totalsOf(columns, ColumnTexts(columns, data), data);
}

std::vector<GridColumn> ReportTables::shownColumns(const ReportData &data)
{
    std::vector<GridColumn> shown;
    if (!data.columns.empty()) {
        for (const GridColumn &column : data.columns) {
            if (column.visible)
                shown.push_back(column);
        }
        return shown;
    }
    if (!data.data)
        return shown;
    const ResultSet &rows = data.data->rows();
    for (int i = 0; i < rows.columnCount(); ++i) {
        GridColumn column;
        column.fieldName = rows.columnName(i);
        column.title = column.fieldName;
        if (isNumericType(rows.declaredType(i)))
            column.alignment = Qt::AlignRight | Qt::AlignVCenter;
        shown.push_back(column);
    }
    return shown;
}

QString ReportTables::table(const ReportData &report, int rowLimit)
{
    const std::vector<GridColumn> columns = shownColumns(report);
    if (columns.empty() || !report.data)
        return {};
    const DataSet &data = *report.data;

    double totalWidth = 0;
    for (const GridColumn &column : columns)
        totalWidth += std::max(column.width, 1);
    auto widthAttribute = [&](double width) {
        return QStringLiteral(" width=\"%1%\"").arg(qRound(100 * width / totalWidth));
    };

    // Titles: "group|title" puts the group over adjacent columns of the same group.
    struct Title {
        QString group; // null without a group
        QString own;
    };
    std::vector<Title> titles;
    bool twoLevel = false;
    for (const GridColumn &column : columns) {
        const qsizetype bar = column.title.indexOf(u'|');
        if (bar < 0) {
            titles.push_back({QString(), column.title});
        } else {
            titles.push_back({column.title.left(bar), column.title.mid(bar + 1)});
            twoLevel = true;
        }
    }

    QString html = TableStart;
    html += QStringLiteral("<thead>\n<tr>");
    const QString th = QStringLiteral("<th bgcolor=\"%1\"").arg(HeaderColour);
    for (std::size_t i = 0; i < columns.size();) {
        const Title &title = titles[i];
        if (title.group.isNull()) {
            html += th + widthAttribute(std::max(columns[i].width, 1)) +
                    (twoLevel ? QStringLiteral(" rowspan=\"2\"") : QString()) + u'>' +
                    escape(title.own) + QStringLiteral("</th>");
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        double width = std::max(columns[i].width, 1);
        while (end < columns.size() && titles[end].group == title.group) {
            width += std::max(columns[end].width, 1);
            ++end;
        }
        html += th + widthAttribute(width) + QStringLiteral(" colspan=\"%1\">").arg(end - i) +
                escape(title.group) + QStringLiteral("</th>");
        i = end;
    }
    html += QStringLiteral("</tr>\n");
    if (twoLevel) {
        html += QStringLiteral("<tr>");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (!titles[i].group.isNull())
                html += th + widthAttribute(std::max(columns[i].width, 1)) + u'>' +
                        escape(titles[i].own) + QStringLiteral("</th>");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</thead>\n<tbody>\n");

    const ColumnTexts texts(columns, data);
    std::vector<QString> aligns;
    for (const GridColumn &column : columns)
        aligns.push_back(alignAttribute(column.alignment));
    const int rows = shownRows(data, rowLimit);
    html.reserve(html.size() + qsizetype(rows) * qsizetype(columns.size()) * 24);
    for (int row = 0; row < rows; ++row) {
        html += QStringLiteral("<tr>");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            html += QStringLiteral("<td") + aligns[i] + u'>' + escape(texts.cell(row, int(i))) +
                    QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    const std::vector<QString> sums = totalsOf(columns, texts, data);
    if (!sums.empty()) {
        html += QStringLiteral("<tr class=\"total\">");
        for (std::size_t i = 0; i < columns.size(); ++i)
            html += QStringLiteral("<td bgcolor=\"%1\"").arg(HeaderColour) + aligns[i] +
                    QStringLiteral("><b>") + escape(sums[i]) + QStringLiteral("</b></td>");
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</tbody>\n</table>\n");
    return html;
}

QString ReportTables::cards(const ReportData &report, int rowLimit)
{
    const std::vector<GridColumn> columns = shownColumns(report);
    if (columns.empty() || !report.data)
        return {};
    const DataSet &data = *report.data;
    const ColumnTexts texts(columns, data);

    // Two title/value pairs to a line keep wide records on little paper.
    QString html;
    const QString label = QStringLiteral("<td width=\"15%\" bgcolor=\"%1\">").arg(HeaderColour);
    const int rows = shownRows(data, rowLimit);
    for (int row = 0; row < rows; ++row) {
        html += TableStart;
        html += QStringLiteral("<tr><td colspan=\"4\" bgcolor=\"%1\"><b>%2</b></td></tr>\n")
                    .arg(HeaderColour)
                    .arg(row + 1);
        for (std::size_t i = 0; i < columns.size(); i += 2) {
            html += QStringLiteral("<tr>");
            for (std::size_t j = i; j < i + 2; ++j) {
                if (j < columns.size()) {
                    QString title = columns[j].title;
                    title.replace(u'|', u' ');
                    html += label + escape(title) + QStringLiteral("</td><td width=\"35%\">") +
                            escape(texts.cell(row, int(j))) + QStringLiteral("</td>");
                } else {
                    html += label + QStringLiteral("</td><td width=\"35%\"></td>");
                }
            }
            html += QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</table>\n<p></p>\n");
    }
    return html;
}
