#pragma once
#include "SqlParams.h"

#include <QString>

// A statement text together with the values its named parameters bind. Windows build their
// queries by appending clauses, each with the values it names, so that no clause can reach the
// engine without its values and no typed value ever becomes statement text.
//
//   SqlStatement s(QStringLiteral("select * from T_cars where (1=1) "));
//   s.append(unitFilter(UnitFilter::Car));                       // text and unit values at once
//   s.appendLike(QStringLiteral("and F_code"), QStringLiteral("code"), typed, Like::Contains);
//   s.append(QStringLiteral("and F_buyPrice >= :price "), {{QStringLiteral("price"), amount}});
struct SqlStatement {
    // How appendLike matches the typed text; "%" and "_" in it match only themselves.
    enum class Like { Contains, BeginsWith };

    QString sql;
    SqlParams params;

    SqlStatement() = default;
    SqlStatement(QString text, SqlParams values = {}) // NOLINT: a text is a statement
        : sql(std::move(text)), params(std::move(values))
    {
    }

    // Appends the clause and binds the values it names. A name bound already to another value
    // is a programming error (two clauses would fight over one parameter).
    SqlStatement &append(const QString &clause, const SqlParams &values = {});
    SqlStatement &append(const SqlStatement &fragment)
    {
        return append(fragment.sql, fragment.params);
    }
    // Binds one more value.
    SqlStatement &bind(const QString &name, const QVariant &value);
    // Appends "<head> like :<name> escape '\' " with the text bound as its pattern.
    SqlStatement &appendLike(const QString &head, const QString &name, const QString &text,
                             Like match);

    // The pattern that matches the text literally, under the escape character "\".
    static QString likePattern(const QString &text, Like match);

    bool operator==(const SqlStatement &other) const = default;
};
