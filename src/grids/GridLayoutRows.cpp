#include "GridLayoutRows.h"

namespace {

QString text(const ResultSet &rows, int row, const char *field)
{
    return rows.text(row, QString::fromLatin1(field));
}

int column(const ResultSet &rows, const char *field)
{
    return rows.columnIndex(QString::fromLatin1(field));
}

} // namespace

QString GridLayoutRows::loadStatement()
{
    return QStringLiteral("Select * from cfg_Grid Where (F_name = :key and F_fieldname <> '') "
                          "order by F_Order");
}

SqlParams GridLayoutRows::loadParams(const QString &key)
{
    return {{QStringLiteral("key"), key}};
}

std::vector<GridColumn> GridLayoutRows::columnsFromRows(const ResultSet &rows)
{
    const int width = column(rows, "F_Width");
    const int visible = column(rows, "F_Visible");
    const int readOnly = column(rows, "F_ReadOnly");
    const int alignment = column(rows, "F_Alignment");
    const int footerType = column(rows, "F_FooterType");
    std::vector<GridColumn> columns;
    columns.reserve(std::size_t(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row) {
        GridColumn c;
        c.fieldName = text(rows, row, "F_FieldName");
        c.title = text(rows, row, "F_Caption");
        if (width >= 0 && !rows.isNull(row, width))
            c.width = int(rows.integer(row, width));
        c.visible = visible >= 0 && rows.integer(row, visible) != 0;
        c.readOnly = readOnly >= 0 && rows.integer(row, readOnly) != 0;
        c.displayFormat = text(rows, row, "F_DisplayFormat");
        c.footerValue = text(rows, row, "F_FooterValue");
        switch (footerType < 0 ? 0 : rows.integer(row, footerType)) {
        case 1:
            c.footerType = GridColumn::Footer::Text;
            break;
        case 2:
            c.footerType = GridColumn::Footer::Sum;
            break;
        default:
            c.footerType = GridColumn::Footer::None;
        }
        if (alignment >= 0 && !rows.isNull(row, alignment)) {
            switch (rows.integer(row, alignment)) {
            case 0:
                c.alignment = Qt::AlignLeft | Qt::AlignVCenter;
                break;
            case 1:
                c.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
                break;
            case 2:
                c.alignment = Qt::AlignRight | Qt::AlignVCenter;
                break;
            default:
                break;
            }
        }
        columns.push_back(std::move(c));
    }
    return columns;
}

int GridLayoutRows::alignmentCode(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal == Qt::AlignLeft || horizontal == 0)
        return 0;
    if (horizontal == Qt::AlignHCenter)
        return 1;
    return 2;
}

int GridLayoutRows::footerCode(GridColumn::Footer footer)
{
    switch (footer) {
    case GridColumn::Footer::Text:
        return 1;
    case GridColumn::Footer::Sum:
        return 2;
    case GridColumn::Footer::None:
        break;
    }
    return 0;
}

std::vector<SqlStatement> GridLayoutRows::saveStatements(const std::vector<GridColumn> &columns,
                                                         const QString &key)
{
    static const QString sql = QStringLiteral(
        "update cfg_grid set F_caption = :caption,F_width = :width,F_readonly = :readonly,"
        "F_visible = :visible,F_order = :order,F_alignMent = :alignment,"
        "F_displayFormat = :displayFormat,F_footerValue = :footerValue,"
        "F_footerType = :footerType where (F_name = :key and F_fieldname = :fieldname) ");
    const QString lowerKey = key.toLower();
    std::vector<SqlStatement> updates;
    updates.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const GridColumn &c = columns[i];
        updates.push_back({sql,
                           {{QStringLiteral("caption"), c.title},
                            {QStringLiteral("width"), c.width},
                            {QStringLiteral("readonly"), c.readOnly ? 1 : 0},
                            {QStringLiteral("visible"), c.visible ? 1 : 0},
                            {QStringLiteral("order"), int(i)},
                            {QStringLiteral("alignment"), alignmentCode(c.alignment)},
                            {QStringLiteral("displayFormat"), c.displayFormat},
                            {QStringLiteral("footerValue"), c.footerValue},
                            {QStringLiteral("footerType"), footerCode(c.footerType)},
                            {QStringLiteral("key"), lowerKey},
                            {QStringLiteral("fieldname"), c.fieldName}}});
    }
    return updates;
}
