#include "CodeStatements.h"

namespace {

const QString TypeParam = QStringLiteral("type");

} // namespace

SqlStatement CodeStatements::codesOfType(const QString &key)
{
    return {QStringLiteral("Select * From t_code where F_type = :type "), {{TypeParam, key}}};
}

SqlStatement CodeStatements::pickList(const QString &key)
{
    return {QStringLiteral("select distinct F_name from t_code where (F_name <> '') and "
                           "F_type = :type "),
            {{TypeParam, key}}};
}

SqlStatement CodeStatements::pickerList(const QString &key)
{
    return {QStringLiteral("select F_name,F_type from t_code where (F_name <> '') and "
                           "F_type = :type order by F_name "),
            {{TypeParam, key}}};
}

SqlStatement CodeStatements::pickerFilter(const QString &key, const QString &nameText)
{
    SqlStatement query{QStringLiteral("select F_name,F_type from t_code where F_type = :type "),
                       {{TypeParam, key}}};
    const QString text = nameText.trimmed();
    if (!text.isEmpty()) {
        query.appendLike(QStringLiteral("and F_name"), QStringLiteral("name"), text,
                         SqlStatement::Like::Contains);
    }
    return query;
}

SqlStatement CodeStatements::units()
{
    return {QStringLiteral("select F_name from t_code where (F_name <> '') and "
                           "F_type = 'gsoffice' order by F_ID"),
            {}};
}

SqlStatement CodeStatements::insertCode(const QString &key, const QString &name)
{
    return {QStringLiteral("insert into t_code(F_type,F_Name) values(:type,:name)"),
            {{TypeParam, key}, {QStringLiteral("name"), name}}};
}

SqlStatement CodeStatements::updateCode(qint64 id, const QString &key, const QString &name)
{
    return {QStringLiteral("update t_code set F_type = :type,F_Name = :name where F_ID = :id"),
            {{TypeParam, key}, {QStringLiteral("name"), name}, {QStringLiteral("id"), id}}};
}

SqlStatement CodeStatements::deleteCode(qint64 id)
{
    return {QStringLiteral("delete from t_code where F_ID = :id"), {{QStringLiteral("id"), id}}};
}
