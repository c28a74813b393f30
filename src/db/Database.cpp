#include "Database.h"

#include "SqlDialect.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>
#include <sqlcipher/sqlite3.h>

namespace {

QString engineMessage(sqlite3 *db)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("database is not open");
}

QVariant paramValue(const SqlParams &params, const QString &name, bool *found)
{
    auto it = params.constFind(name);
    if (it == params.constEnd()) {
        for (it = params.constBegin(); it != params.constEnd(); ++it)
            if (it.key().compare(name, Qt::CaseInsensitive) == 0)
                break;
    }
    *found = it != params.constEnd();
    return *found ? it.value() : QVariant();
}

void readRow(sqlite3_stmt *stmt, ResultSet &rows)
{
    const int row = rows.appendRow();
    const int count = rows.columnCount();
    for (int c = 0; c < count; ++c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
            rows.setInteger(row, c, sqlite3_column_int64(stmt, c));
            break;
        case SQLITE_FLOAT:
            rows.setReal(row, c, sqlite3_column_double(stmt, c));
            break;
        case SQLITE_TEXT: {
            // Read as bytes: the engine then hands over its UTF-8 as it stands, without first
            // copying it to add a terminator.
            const auto *text = static_cast<const char *>(sqlite3_column_blob(stmt, c));
            rows.setTextUtf8(row, c, text, sqlite3_column_bytes(stmt, c));
            break;
        }
        case SQLITE_BLOB: {
            const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, c));
            rows.setBlob(row, c, QByteArray(data, sqlite3_column_bytes(stmt, c)));
            break;
        }
        default:
            break;
        }
    }
}

// Waiting for a lock another copy of the program holds: a short look every millisecond until the
// busy timeout has run out. The engine's own wait sleeps up to a tenth of a second between looks,
// and a copy that saves again and again releases its lock for only a few milliseconds at a
// time, so a copy waiting that way could miss every chance for seconds.
int waitForLock(void *since, int attempt)
{
    auto *started = static_cast<QElapsedTimer *>(since);
    if (attempt == 0)
        started->start();
    if (started->elapsed() >= Db::BusyTimeoutMs)
        return 0;
    sqlite3_sleep(1);
    return 1;
}

bool onlyBlanksOrComments(const char *tail)
{
    if (!tail)
        return true;
    const QString rest = QString::fromUtf8(tail).trimmed();
    if (rest.isEmpty())
        return true;
    // A trailing ";" or comment is harmless; a second statement is not run.
    QString t = rest;
    while (t.startsWith(u';'))
        t = t.mid(1).trimmed();
    return t.isEmpty() || t.startsWith(QStringLiteral("--"));
}

} // namespace

Db::~Db()
{
    close();
}

bool Db::fail(const QString &message, QString *error)
{
    m_lastError = message;
    if (error)
        *error = message;
    return false;
}

bool Db::openHandle(const QString &path, const QString &key, bool create, QString *error)
{
    close();
    if (path.trimmed().isEmpty())
        return fail(QStringLiteral("no database file given"), error);
    const QFileInfo info(path);
    if (create && info.exists())
        return fail(QStringLiteral("file already exists: %1").arg(path), error);
    if (!create && !info.isFile())
        return fail(QStringLiteral("file not found: %1").arg(path), error);
    if (!create && info.size() == 0)
        return fail(QStringLiteral("file is empty: %1").arg(path), error);

    sqlite3 *db = nullptr;
    // A connection is used by one thread only (the windows'), so it needs no lock of its own:
    // without it, reading a cell costs no lock and unlock.
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, flags, nullptr) != SQLITE_OK) {
        const QString message = engineMessage(db);
        sqlite3_close(db);
        return fail(message, error);
    }
    const QByteArray k = key.toUtf8();
    sqlite3_key(db, k.constData(), k.size());
    // Larger pages: a quarter of the per-page cipher work on the big record tables.
    sqlite3_exec(db, "pragma cipher_page_size = 4096; pragma cache_size = -16000;", nullptr,
                 nullptr, nullptr);
    sqlite3_busy_handler(db, waitForLock, &m_busySince);
    sqlite3_extended_result_codes(db, 1);
    // Reading the schema proves the key: a plain or otherwise keyed file fails here.
    char *message = nullptr;
    if (sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, &message) !=
        SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : engineMessage(db);
        sqlite3_free(message);
        sqlite3_close(db);
        return fail(text, error);
    }
    m_db = db;
    m_path = QFileInfo(path).absoluteFilePath();
    m_key = key;
    m_lastError.clear();
    return true;
}

bool Db::open(const QString &path, const QString &key, QString *error)
{
    return openHandle(path, key, false, error);
}

bool Db::create(const QString &path, const QString &key, QString *error)
{
    return openHandle(path, key, true, error);
}

void Db::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

Statement Db::prepare(const QString &sql, QString *error)
{
    if (!m_db) {
        fail(QStringLiteral("database is not open"), error);
        return {};
    }
    const QByteArray text = SqlDialect::normalize(sql).toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, &tail) != SQLITE_OK) {
        fail(engineMessage(m_db), error);
        return {};
    }
    if (!onlyBlanksOrComments(tail)) {
        sqlite3_finalize(stmt);
        fail(QStringLiteral("only one statement may be run at a time"), error);
        return {};
    }
    if (!stmt) {
        fail(QStringLiteral("empty statement"), error);
        return {};
    }
    return Statement(m_db, stmt);
}

DbResult Db::exec(const QString &sql, const SqlParams &params)
{
    DbResult result;
    Statement stmt = prepare(sql, &result.error);
    if (!stmt.isValid())
        return result;
    result = stmt.run(params);
    m_lastError = result.error;
    return result;
}

QueryResult Db::query(const QString &sql, const SqlParams &params)
{
    QueryResult result;
    Statement stmt = prepare(sql, &result.error);
    if (!stmt.isValid())
        return result;
    result = stmt.fetch(params);
    m_lastError = result.error;
    return result;
}

bool Db::execScript(const QString &sql, QString *error)
{
    if (!m_db)
        return fail(QStringLiteral("database is not open"), error);
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : engineMessage(m_db);
        sqlite3_free(message);
        return fail(text, error);
    }
    return true;
}

bool Db::begin()
{
    return exec(QStringLiteral("begin immediate")).ok;
}

bool Db::commit()
{
    return exec(QStringLiteral("commit")).ok;
}

bool Db::rollback()
{
    if (!inTransaction())
        return true;
    return exec(QStringLiteral("rollback")).ok;
}

bool Db::inTransaction() const
{
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

bool Db::copyFileTo(const QString &target, QString *error)
{
    if (!m_db)
        return fail(QStringLiteral("database is not open"), error);
    const bool ownTransaction = !inTransaction();
    if (ownTransaction && !begin())
        return fail(m_lastError, error);
    // The copy is written beside the target and takes its place in one step, so that a target
    // that existed (yesterday's backup) is never missing, not even when the program dies midway.
    QFile source(m_path);
    QSaveFile copy(target);
    QString problem;
    if (!source.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("cannot read %1").arg(m_path);
    } else if (!copy.open(QIODevice::WriteOnly)) {
        problem = QStringLiteral("cannot write %1").arg(target);
    } else {
        for (QByteArray chunk; problem.isEmpty() && !(chunk = source.read(1 << 20)).isEmpty();)
            if (copy.write(chunk) != chunk.size())
                problem = QStringLiteral("cannot write %1").arg(target);
        if (problem.isEmpty() && source.error() != QFileDevice::NoError)
            problem = QStringLiteral("cannot read %1").arg(m_path);
        if (problem.isEmpty() && !copy.commit())
            problem = QStringLiteral("cannot write %1").arg(target);
    }
    if (!problem.isEmpty())
        copy.cancelWriting();
    if (ownTransaction)
        rollback();
    return problem.isEmpty() ? true : fail(problem, error);
}

bool Db::compact(QString *error)
{
    if (!m_db)
        return fail(QStringLiteral("database is not open"), error);
    sqlite3_busy_handler(m_db, nullptr, nullptr);
    const DbResult r = exec(QStringLiteral("vacuum"));
    sqlite3_busy_handler(m_db, waitForLock, &m_busySince);
    return r.ok ? true : fail(r.error, error);
}

QString Db::integrityCheck()
{
    const QueryResult r = query(QStringLiteral("pragma integrity_check"));
    if (!r.ok)
        return r.error;
    QStringList lines;
    for (int i = 0; i < r.rows.rowCount(); ++i)
        lines << r.rows.text(i, 0);
    return lines.join(u'\n');
}

bool Db::tableExists(const QString &table)
{
    const QueryResult r =
        query(QStringLiteral("select count(*) from sqlite_master where type = 'table' and "
                             "name = :name collate nocase"),
              {{QStringLiteral("name"), table}});
    return r.ok && r.rows.rowCount() == 1 && r.rows.integer(0, 0) > 0;
}

// ---- Statement ----

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement &&other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        if (m_stmt)
            sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

bool Statement::bindValue(int index, const QVariant &value)
{
    const ResultSet::Stored stored = ResultSet::storedForm(value);
    int rc = SQLITE_OK;
    switch (stored.kind) {
    case ResultSet::Kind::Null:
        rc = sqlite3_bind_null(m_stmt, index);
        break;
    case ResultSet::Kind::Integer:
        rc = sqlite3_bind_int64(m_stmt, index, stored.integer);
        break;
    case ResultSet::Kind::Real:
        rc = sqlite3_bind_double(m_stmt, index, stored.real);
        break;
    case ResultSet::Kind::Text:
        rc = sqlite3_bind_text16(m_stmt, index, stored.text.utf16(), int(stored.text.size() * 2),
                                 SQLITE_TRANSIENT);
        break;
    case ResultSet::Kind::Blob:
        rc = sqlite3_bind_blob(m_stmt, index, stored.blob.constData(), int(stored.blob.size()),
                               SQLITE_TRANSIENT);
        break;
    }
    return rc == SQLITE_OK;
}

bool Statement::bind(const SqlParams &params, QString *error)
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    const int count = sqlite3_bind_parameter_count(m_stmt);
    for (int i = 1; i <= count; ++i) {
        const char *raw = sqlite3_bind_parameter_name(m_stmt, i);
        const QString name = raw ? QString::fromUtf8(raw + 1) : QString();
        bool found = false;
        const QVariant value = paramValue(params, name, &found);
        if (!found) {
            if (error)
                *error = QStringLiteral("no value for parameter :%1").arg(name);
            return false;
        }
        if (!bindValue(i, value)) {
            if (error)
                *error = engineMessage(m_db);
            return false;
        }
    }
    return true;
}

DbResult Statement::run(const SqlParams &params)
{
    DbResult result;
    if (!m_stmt) {
        result.error = QStringLiteral("statement is not prepared");
        return result;
    }
    if (!bind(params, &result.error))
        return result;
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        result.error = engineMessage(m_db);
        sqlite3_reset(m_stmt);
        return result;
    }
    result.ok = true;
    result.changes = sqlite3_changes(m_db);
    result.lastInsertId = sqlite3_last_insert_rowid(m_db);
    sqlite3_reset(m_stmt);
    return result;
}

QueryResult Statement::fetch(const SqlParams &params)
{
    QueryResult result;
    if (!m_stmt) {
        result.error = QStringLiteral("statement is not prepared");
        return result;
    }
    if (!bind(params, &result.error))
        return result;
    const int columns = sqlite3_column_count(m_stmt);
    for (int c = 0; c < columns; ++c) {
        const char *decl = sqlite3_column_decltype(m_stmt, c);
        result.rows.addColumn(QString::fromUtf8(sqlite3_column_name(m_stmt, c)),
                              decl ? QString::fromUtf8(decl) : QString());
    }
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW)
        readRow(m_stmt, result.rows);
    if (rc != SQLITE_DONE) {
        result.error = engineMessage(m_db);
        result.rows = ResultSet();
        sqlite3_reset(m_stmt);
        return result;
    }
    result.ok = true;
    sqlite3_reset(m_stmt);
    return result;
}
