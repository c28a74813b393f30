#pragma once
#include "Database.h"

#include <QList>
#include <QPair>
#include <QString>

// Rows added to each table by a creation or an upgrade, in the order the tables were handled.
using SeedReport = QList<QPair<QString, qint64>>;

// Makes new databases with the schema and the configuration rows the program expects, and
// brings an existing database's configuration up to date without touching business data.
//
// The configuration rows come from seed.sql; an upgrade adds only the rows whose keys a database
// lacks (Limits by F_code or name, cfg_grid by grid and field, cfg_import by table and field,
// cfg_stat by name, t_code by code type, KeyValue up to its 15 settings), the company row when
// there is none and the built-in operator "admin" when it is missing. Rows the office changed or
// added stay as they are.
class DatabaseCreator {
public:
    // The built-in operator's stored password: the encoding of the empty password, made by the
    // layer that owns the encoding (SavePass("")).
    explicit DatabaseCreator(QString adminPasswordCode);

    // A new encrypted file with schema and seed. Refuses an existing file; leaves no file behind
    // when it fails.
    bool create(const QString &path, QString *error = nullptr, SeedReport *report = nullptr,
                const QString &key = QString::fromLatin1(Db::DefaultKey)) const;

    // Adds what an open database lacks of the schema (tables, indexes) and of the configuration
    // rows, in one transaction: all or nothing.
    bool upgrade(Db &db, QString *error = nullptr, SeedReport *report = nullptr) const;

    static QString schemaSql();
    static QString seedSql();
    // The company name a new database starts with.
    static QString placeholderCompanyName();

private:
    bool addMissingRows(Db &db, SeedReport &report, QString *error) const;

    QString m_adminPasswordCode;
};
