// orvcars-admin: maintenance of database files from the command line.
//
//   init PATH                 a new encrypted database with schema and configuration rows
//   upgrade PATH              adds missing tables, indexes and configuration rows
//   demo PATH [--vehicles N] [--months M] [--seed S]
//                             a new database filled with a demo fleet
//   sql PATH STATEMENT        runs one statement; prints rows or the number of rows changed
//   plan PATH STATEMENT       prints the engine's plan for the statement (after the dialect)
//   compact PATH              compacts the file in place
//   check PATH                runs the engine's integrity check
//
// Errors go to stderr with the engine's message, and the exit status is not zero.
#include "app/Passwords.h"
#include "db/DatabaseCreator.h"
#include "db/DemoData.h"
#include "db/QueryPlan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <sqlcipher/sqlite3.h>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };

void out(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int fail(const QString &text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return Failed;
}

int usage()
{
    std::fputs("usage: orvcars-admin init PATH\n"
               "       orvcars-admin upgrade PATH\n"
               "       orvcars-admin demo PATH [--vehicles N] [--months M] [--seed S]\n"
               "       orvcars-admin sql PATH STATEMENT\n"
               "       orvcars-admin plan PATH STATEMENT\n"
               "       orvcars-admin compact PATH\n"
               "       orvcars-admin check PATH\n",
               stderr);
    return Usage;
}

void printReport(const SeedReport &report)
{
    for (const auto &[table, rows] : report)
        out(QStringLiteral("%1\t%2\n").arg(table).arg(rows));
}

DatabaseCreator creator()
{
    return DatabaseCreator(SavePass(QString()));
}

bool openDb(Db &db, const QString &path, QString *error)
{
    return db.open(path, QString::fromLatin1(Db::DefaultKey), error);
}

int init(const QString &path)
{
    QString error;
    SeedReport report;
    if (!creator().create(path, &error, &report))
        return fail(error);
    printReport(report);
    return Ok;
}

int upgrade(const QString &path)
{
    Db db;
    QString error;
    SeedReport report;
    if (!openDb(db, path, &error) || !creator().upgrade(db, &error, &report))
        return fail(error);
    printReport(report);
    return Ok;
}

int demo(const QString &path, const QStringList &args)
{
    DemoOptions options;
    for (int i = 0; i < args.size(); i += 2) {
        bool ok = i + 1 < args.size();
        const qlonglong value = ok ? args.at(i + 1).toLongLong(&ok) : 0;
        if (!ok || value < 0)
            return usage();
        if (args.at(i) == QLatin1String("--vehicles"))
            options.vehicles = int(value);
        else if (args.at(i) == QLatin1String("--months") && value > 0)
            options.months = int(value);
        else if (args.at(i) == QLatin1String("--seed"))
            options.seed = quint64(value);
        else
            return usage();
    }
    QElapsedTimer timer;
    timer.start();
    QString error;
    SeedReport counts;
    if (!DemoData::create(creator(), path, options, &counts, &error))
        return fail(error);
    printReport(counts);
    out(QStringLiteral("seconds\t%1\n").arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return Ok;
}

// Tabs and line breaks inside a value would break the row layout; they are written escaped.
QString cell(const QString &text)
{
    QString s = text;
    s.replace(u'\\', QStringLiteral("\\\\"));
    s.replace(u'\t', QStringLiteral("\\t"));
    s.replace(u'\n', QStringLiteral("\\n"));
    s.replace(u'\r', QStringLiteral("\\r"));
    return s;
}

int sql(const QString &path, const QString &statement)
{
    Db db;
    QString error;
    if (!openDb(db, path, &error))
        return fail(error);
    const qint64 before = sqlite3_total_changes(db.handle());
    const QueryResult r = db.query(statement);
    if (!r)
        return fail(r.error);
    const ResultSet &rows = r.rows;
    if (rows.columnCount() == 0) {
        // Statements that change no rows (DDL among them) leave the total as it was.
        const qint64 changed =
            sqlite3_total_changes(db.handle()) > before ? sqlite3_changes(db.handle()) : 0;
        out(QStringLiteral("%1\n").arg(changed));
        return Ok;
    }
    QStringList header;
    for (const QString &name : rows.columnNames())
        header << cell(name);
    QString text = header.join(u'\t') + u'\n';
    for (int row = 0; row < rows.rowCount(); ++row) {
        for (int c = 0; c < rows.columnCount(); ++c) {
            if (c > 0)
                text += u'\t';
            text += rows.kind(row, c) == ResultSet::Kind::Blob
                        ? QStringLiteral("<%1 bytes>").arg(rows.blob(row, c).size())
                        : cell(rows.text(row, c));
        }
        text += u'\n';
        if (text.size() > 1 << 20) {
            out(text);
            text.clear();
        }
    }
    out(text);
    return Ok;
}

int plan(const QString &path, const QString &statement)
{
    Db db;
    QString error;
    if (!openDb(db, path, &error))
        return fail(error);
    const QueryPlan plan = QueryPlan::of(db, statement);
    if (!plan.ok)
        return fail(plan.error);
    out(plan.text() + u'\n');
    return Ok;
}

int compact(const QString &path)
{
    Db db;
    QString error;
    const qint64 before = QFileInfo(path).size();
    if (!openDb(db, path, &error) || !db.compact(&error))
        return fail(error);
    db.close();
    out(QStringLiteral("%1 -> %2 bytes\n").arg(before).arg(QFileInfo(path).size()));
    return Ok;
}

int check(const QString &path)
{
    Db db;
    QString error;
    if (!openDb(db, path, &error))
        return fail(error);
    const QString result = db.integrityCheck();
    if (result != QLatin1String("ok"))
        return fail(result);
    out(result + u'\n');
    return Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString &command = args.at(0);
    const QString &path = args.at(1);
    if (command == QLatin1String("init") && args.size() == 2)
        return init(path);
    if (command == QLatin1String("upgrade") && args.size() == 2)
        return upgrade(path);
    if (command == QLatin1String("demo"))
        return demo(path, args.mid(2));
    if (command == QLatin1String("sql") && args.size() == 3)
        return sql(path, args.at(2));
    if (command == QLatin1String("plan") && args.size() == 3)
        return plan(path, args.at(2));
    if (command == QLatin1String("compact") && args.size() == 2)
        return compact(path);
    if (command == QLatin1String("check") && args.size() == 2)
        return check(path);
    return usage();
}
