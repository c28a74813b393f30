#include "SqlStatement.h"

#include <QtGlobal>

SqlStatement &SqlStatement::append(const QString &clause, const SqlParams &values)
{
    sql += clause;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        bind(it.key(), it.value());
    return *this;
}

SqlStatement &SqlStatement::bind(const QString &name, const QVariant &value)
{
    Q_ASSERT_X(!params.contains(name) || params.value(name) == value, "SqlStatement::bind",
               qPrintable(name));
    params.insert(name, value);
    return *this;
}

SqlStatement &SqlStatement::appendLike(const QString &head, const QString &name,
                                       const QString &text, Like match)
{
    sql += head + QStringLiteral(" like :") + name + QStringLiteral(" escape '\\' ");
    return bind(name, likePattern(text, match));
}

QString SqlStatement::likePattern(const QString &text, Like match)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    escaped += QLatin1Char('%');
    return match == Like::Contains ? QLatin1Char('%') + escaped : escaped;
}
