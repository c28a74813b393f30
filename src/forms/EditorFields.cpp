#include "EditorFields.h"

#include <QStringList>

namespace {

SqlParams paramsOf(const QList<EditorField> &fields, const QVariantMap &values)
{
    SqlParams params;
    for (const EditorField &row : fields)
        params.insert(row.param, values.value(row.param));
    return params;
}

} // namespace

SqlStatement EditorStatements::insert(const QString &table, const QList<EditorField> &fields,
                                      const QVariantMap &values)
{
    QStringList columns;
    QStringList params;
    for (const EditorField &row : fields) {
        columns << row.field;
        params << QLatin1Char(':') + row.param;
    }
    return SqlStatement(QStringLiteral("Insert into ") + table + QLatin1Char('(') +
                            columns.join(QLatin1Char(',')) + QStringLiteral(") Values(") +
                            params.join(QLatin1Char(',')) + QLatin1Char(')'),
                        paramsOf(fields, values));
}

SqlStatement EditorStatements::update(const QString &table, const QList<EditorField> &fields,
                                      const QVariantMap &values, qint64 id)
{
    QStringList sets;
    for (const EditorField &row : fields)
        sets << row.field + QStringLiteral(" = :") + row.param;
    SqlStatement statement(QStringLiteral("Update ") + table + QStringLiteral(" set ") +
                               sets.join(QLatin1Char(',')) + QStringLiteral(" Where F_ID = :ID"),
                           paramsOf(fields, values));
    return statement.bind(QStringLiteral("ID"), id);
}
