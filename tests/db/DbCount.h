#pragma once
#include "db/Database.h"

#include <QString>

namespace dbtest {

// The integer a counting query gives; -1, with a warning that names the query, when it fails.
inline qint64 count(Db &db, const QString &sql)
{
    const QueryResult r = db.query(sql);
    if (!r)
        qWarning("%s: %s", qPrintable(sql), qPrintable(r.error));
    return r ? r.rows.integer(0, 0) : -1;
}

} // namespace dbtest
