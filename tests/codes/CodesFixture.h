#pragma once
// The code dictionary in a real database as the tests of this folder set it up and read it back.
#include "app/DataModule.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QStringList>
#include <QWidget>

namespace codestest {

// Chinese text arrives through the input method, as a committed string.
inline void typeText(QWidget *control, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(control, &event);
}

// The names of a type in table order (blank ones included, null as empty).
inline QStringList names(const QString &key)
{
    QStringList result;
    const QueryResult rows = dm().db().query(
        QStringLiteral("select F_name from t_code where F_type = :type order by F_ID"),
        {{QStringLiteral("type"), key}});
    for (int row = 0; row < rows.rows.rowCount(); ++row)
        result << rows.rows.text(row, 0);
    return result;
}

// Every row of the table as "type|name", in table order: what a test compares to see that
// nothing changed.
inline QStringList allRows()
{
    QStringList result;
    const QueryResult rows =
        dm().db().query(QStringLiteral("select F_ID, F_type, F_name from t_code order by F_ID"));
    for (int row = 0; row < rows.rows.rowCount(); ++row)
        result << rows.rows.text(row, 0) + u'|' + rows.rows.text(row, 1) + u'|' +
                      rows.rows.text(row, 2);
    return result;
}

inline void replaceCodes(const QString &key, const QStringList &newNames)
{
    dm().db().exec(QStringLiteral("delete from t_code where F_type = :type"),
                   {{QStringLiteral("type"), key}});
    for (const QString &name : newNames)
        dm().db().exec(QStringLiteral("insert into t_code(F_type,F_name) values(:type,:name)"),
                       {{QStringLiteral("type"), key}, {QStringLiteral("name"), name}});
}

// Makes the engine refuse to write a code of that name (the way a test gets a database error in
// the middle of a batch).
inline bool refuseName(const QString &name)
{
    return dm()
        .db()
        .exec(QStringLiteral("create trigger refuse_code before insert on t_code "
                             "when new.F_name = '%1' begin select raise(abort, "
                             "'code refused by trigger'); end")
                  .arg(name))
        .ok;
}

inline bool refuseDeletes()
{
    return dm()
        .db()
        .exec(QStringLiteral("create trigger refuse_delete before delete on t_code begin "
                             "select raise(abort, 'delete refused by trigger'); end"))
        .ok;
}

inline void dropTriggers()
{
    dm().db().exec(QStringLiteral("drop trigger if exists refuse_code"));
    dm().db().exec(QStringLiteral("drop trigger if exists refuse_delete"));
}

} // namespace codestest
