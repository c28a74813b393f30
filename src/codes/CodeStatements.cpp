#include "CodeStatements.h"

namespace {

const QString TypeParam = QStringLiteral("type");

QString likeLiteral(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

CodeQuery CodeStatements::codesOfType(const QString &key)
{
    return {QStringLiteral("Select * From t_code where F_type = :type "), {{TypeParam, key}}};
}

CodeQuery CodeStatements::pickList(const QString &key)
{
    return {QStringLiteral("select distinct F_name from t_code where (F_name <> '') and "
                           "F_type = :type "),
            {{TypeParam, key}}};
}

CodeQuery CodeStatements::pickerList(const QString &key)
{
    return {QStringLiteral("select F_name,F_type from t_code where (F_name <> '') and "
                           "F_type = :type order by F_name "),
            {{TypeParam, key}}};
}

CodeQuery CodeStatements::pickerFilter(const QString &key, const QString &nameText)
{
    CodeQuery query{QStringLiteral("select F_name,F_type from t_code where F_type = :type "),
                    {{TypeParam, key}}};
    const QString text = nameText.trimmed();
    if (!text.isEmpty()) {
        query.sql += QStringLiteral("and F_name like :name escape '\\' ");
        query.params.insert(QStringLiteral("name"), likeLiteral(text));
    }
    return query;
}

CodeQuery CodeStatements::units()
{
    return {QStringLiteral("select F_name from t_code where (F_name <> '') and "
                           "F_type = 'gsoffice' order by F_ID"),
            {}};
}

CodeQuery CodeStatements::insertCode(const QString &key, const QString &name)
{
    return {QStringLiteral("insert into t_code(F_type,F_Name) values(:type,:name)"),
            {{TypeParam, key}, {QStringLiteral("name"), name}}};
}

CodeQuery CodeStatements::updateCode(qint64 id, const QString &key, const QString &name)
{
    return {QStringLiteral("update t_code set F_type = :type,F_Name = :name where F_ID = :id"),
            {{TypeParam, key}, {QStringLiteral("name"), name}, {QStringLiteral("id"), id}}};
}

CodeQuery CodeStatements::deleteCode(qint64 id)
{
    return {QStringLiteral("delete from t_code where F_ID = :id"), {{QStringLiteral("id"), id}}};
}
