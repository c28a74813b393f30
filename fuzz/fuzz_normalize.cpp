// The statement normalizer. Whatever the input, it must not fail; and a statement the engine
// accepts as it stands must stay acceptable after the rewrite (Jet forms aside: texts with "#",
// "true" or "false" are what the rewrite is for).
#include "FuzzInput.h"
#include "db/SqlDialect.h"

#include <cstdio>
#include <cstdlib>
#include <sqlcipher/sqlite3.h>

namespace {

sqlite3 *engine()
{
    static sqlite3 *db = [] {
        sqlite3 *handle = nullptr;
        sqlite3_open(":memory:", &handle);
        sqlite3_exec(handle,
                     "create table T_cars(F_ID integer primary key, F_code text collate nocase,"
                     " F_useFlag integer, F_GSoffice text collate nocase);"
                     "create table T_WXrec(F_ID integer primary key, F_mainID integer,"
                     " F_CPcode text collate nocase, F_WXdate text collate nocase);"
                     "create index ix_code on T_cars(F_code);"
                     "create index ix_plate on T_WXrec(F_CPcode);",
                     nullptr, nullptr, nullptr);
        return handle;
    }();
    return db;
}

bool accepted(const QString &sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const int rc = sqlite3_prepare_v2(engine(), text.constData(), int(text.size()), &stmt, nullptr);
    sqlite3_finalize(stmt);
    return rc == SQLITE_OK;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString sql = QString::fromUtf8(fuzz::bytes(data, size));
    const QString normalized = SqlDialect::normalize(sql);
    if (sql.contains(u'#') || sql.contains(QLatin1String("true"), Qt::CaseInsensitive) ||
        sql.contains(QLatin1String("false"), Qt::CaseInsensitive))
        return 0;
    if (accepted(sql) && !accepted(normalized)) {
        std::fprintf(stderr, "accepted:\n%s\nrewritten, refused:\n%s\n%s\n", qPrintable(sql),
                     qPrintable(normalized), sqlite3_errmsg(engine()));
        std::abort();
    }
    return 0;
}
