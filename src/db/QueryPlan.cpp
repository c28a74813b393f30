#include "QueryPlan.h"

#include <sqlcipher/sqlite3.h>

QueryPlan QueryPlan::of(Db &db, const QString &sql, const SqlParams &params)
{
    QueryPlan plan;
    if (!db.isOpen()) {
        plan.error = QStringLiteral("database is not open");
        return plan;
    }
    // Binding the values keeps plans that depend on them (a LIKE pattern) as they are when run.
    Statement statement = db.prepare(QStringLiteral("explain query plan ") + sql, &plan.error);
    if (!statement.isValid())
        return plan;
    sqlite3_stmt *stmt = statement.handle();
    for (int i = 1; i <= sqlite3_bind_parameter_count(stmt); ++i) {
        const char *name = sqlite3_bind_parameter_name(stmt, i);
        for (auto it = params.constBegin(); name && it != params.constEnd(); ++it)
            if (it.key().compare(QString::fromUtf8(name + 1), Qt::CaseInsensitive) == 0)
                statement.bindValue(i, it.value());
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const int select = sqlite3_column_int(stmt, 0);
        const QString detail = QString::fromUtf8(reinterpret_cast<const char *>(
            sqlite3_column_text(stmt, sqlite3_column_count(stmt) - 1)));
        plan.steps << (select > 0 ? QStringLiteral("  ") : QString()) + detail;
    }
    if (rc != SQLITE_DONE) {
        plan.error = QString::fromUtf8(sqlite3_errmsg(db.handle()));
        plan.steps.clear();
        return plan;
    }
    plan.ok = true;
    return plan;
}
