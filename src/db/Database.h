#pragma once
#include "ResultSet.h"
#include "SqlParams.h"

#include <QElapsedTimer>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// Outcome of a statement that returns no rows. Errors carry the engine's message.
struct DbResult {
    bool ok = false;
    QString error;
    qint64 changes = 0;
    qint64 lastInsertId = 0;
    explicit operator bool() const { return ok; }
};

// Outcome of a query: the materialized rows, or the engine's message.
struct QueryResult {
    bool ok = false;
    QString error;
    ResultSet rows;
    explicit operator bool() const { return ok; }
};

class Statement;

// The one connection to the encrypted database file, for use by one thread at a time. Every
// statement text passes the dialect normalizer; values are bound by name. Nothing here throws:
// failures come back as results and as lastError().
class Db {
public:
    static constexpr const char *DefaultKey = "qordelvapt";
    static constexpr int BusyTimeoutMs = 8000;

    Db() = default;
    ~Db();
    Db(const Db &) = delete;
    Db &operator=(const Db &) = delete;

    // Opens an existing file. Fails (and stays closed) when the file is missing, empty, damaged,
    // plain SQLite or keyed with another password.
    bool open(const QString &path, const QString &key = QString::fromLatin1(DefaultKey),
              QString *error = nullptr);
    // Makes a new, empty encrypted file; refuses to touch an existing one.
    bool create(const QString &path, const QString &key = QString::fromLatin1(DefaultKey),
                QString *error = nullptr);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    QString key() const { return m_key; }

    DbResult exec(const QString &sql, const SqlParams &params = {});
    QueryResult query(const QString &sql, const SqlParams &params = {});
    // Runs several statements, not normalized (schema and seed scripts).
    bool execScript(const QString &sql, QString *error = nullptr);
    Statement prepare(const QString &sql, QString *error = nullptr);

    bool begin();
    bool commit();
    bool rollback();
    bool inTransaction() const;

    // A byte copy of the file taken while this connection holds the write lock, so no copy of
    // the program is writing meanwhile; written to a temporary name and renamed into place.
    bool copyFileTo(const QString &target, QString *error = nullptr);
    // VACUUM in place (the key is kept). Fails while another connection holds a lock.
    bool compact(QString *error = nullptr);
    // "ok" or the engine's findings.
    QString integrityCheck();
    bool tableExists(const QString &table);

    QString lastError() const { return m_lastError; }
    sqlite3 *handle() const { return m_db; }

private:
    bool openHandle(const QString &path, const QString &key, bool create, QString *error);
    bool fail(const QString &message, QString *error);

    sqlite3 *m_db = nullptr;
    QString m_path;
    QString m_key;
    QString m_lastError;
    QElapsedTimer m_busySince; // since the current wait for a lock began
};

// A prepared statement for repeated use (bulk inserts). Bind by name, step, reset.
class Statement {
public:
    Statement() = default;
    ~Statement();
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    sqlite3_stmt *handle() const { return m_stmt; }
    // Binds every parameter of the statement from params; a parameter without a value is an error.
    bool bind(const SqlParams &params, QString *error = nullptr);
    bool bindValue(int index, const QVariant &value);
    // Runs to completion; rows, if any, are discarded.
    DbResult run(const SqlParams &params);
    // Runs and collects every row.
    QueryResult fetch(const SqlParams &params);

private:
    friend class Db;
    Statement(sqlite3 *db, sqlite3_stmt *stmt) : m_db(db), m_stmt(stmt) {}
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

// Begins on construction and rolls back on destruction unless committed, so every early return
// and error path undoes the work.
class Transaction {
public:
    explicit Transaction(Db &db) : m_db(db), m_active(db.begin()) {}
    ~Transaction()
    {
        if (m_active)
            m_db.rollback();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit()
    {
        if (!m_active)
            return false;
        m_active = false;
        if (m_db.commit())
            return true;
        m_db.rollback();
        return false;
    }

private:
    Db &m_db;
    bool m_active;
};
