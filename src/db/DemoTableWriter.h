#pragma once
#include "Database.h"

#include <QStringList>
#include <QVariantList>

// One prepared INSERT reused for every row of a table; values come in column order.
class TableWriter {
public:
    TableWriter(Db &db, QString table, const QStringList &columns)
        : m_table(std::move(table)), m_columns(columns)
    {
        QStringList names;
        for (const QString &c : columns)
            names << u':' + c;
        m_statement = db.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(m_table, columns.join(u','), names.join(u',')),
                                 &m_error);
    }
    bool add(const QVariantList &values)
    {
        if (!m_error.isEmpty())
            return false;
        Q_ASSERT(values.size() == m_columns.size());
        SqlParams params;
        for (int i = 0; i < m_columns.size(); ++i)
            params.insert(m_columns.at(i), values.at(i));
        const DbResult r = m_statement.run(params);
        if (!r) {
            m_error = QStringLiteral("%1: %2").arg(m_table, r.error);
            return false;
        }
        m_lastId = r.lastInsertId;
        return true;
    }
    QString error() const { return m_error; }
    qint64 lastId() const { return m_lastId; }

private:
    QString m_table;
    QStringList m_columns;
    Statement m_statement;
    QString m_error;
    qint64 m_lastId = 0;
};
