#pragma once
#include "db/DataSet.h"
#include "db/Database.h"
#include "db/SqlStatement.h"

#include <QObject>
#include <QString>

// The data module: owns the one connection and offers every window the shared data services.
// Every failure is caught here, shown with the service's message and turned into an empty
// result; the caller decides whether to go on.
class DataModule : public QObject {
    Q_OBJECT
public:
    // The failure messages (each ends with a blank after the dots).
    static inline const QString DeleteFailed = QStringLiteral("删除操作失败，请检查数据连接... ");
    static inline const QString OperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
    static inline const QString OpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");
    static inline const QString BackupFailed = QStringLiteral("数据备份失败！");

    explicit DataModule(QObject *parent = nullptr);
    ~DataModule() override;

    // The instance the windows use (the last one created and not yet destroyed).
    static DataModule *instance();

    Db &db() { return m_db; }
    bool IsConnected = false;

    // Opens a database file of this program: right key and the program's tables.
    bool connectTo(const QString &path, QString *error = nullptr);
    void disconnect();
    QString databasePath() const { return m_db.path(); }

    bool DeleteById(const QString &table, qint64 id);
    bool ExecSql(const QString &sql, const SqlParams &params = {});
    QString QueryString(const QString &sql, const SqlParams &params = {});
    int QueryInt(const QString &sql, const SqlParams &params = {});
    bool OpenQuery(const QString &sql, DataSet &dataSet, const SqlParams &params = {});
    // The same services for a statement built with its values.
    bool ExecSql(const SqlStatement &s) { return ExecSql(s.sql, s.params); }
    QString QueryString(const SqlStatement &s) { return QueryString(s.sql, s.params); }
    int QueryInt(const SqlStatement &s) { return QueryInt(s.sql, s.params); }
    bool OpenQuery(const SqlStatement &s, DataSet &dataSet)
    {
        return OpenQuery(s.sql, dataSet, s.params);
    }
    // Reopens a data set with the statement it was last opened with.
    bool Requery(DataSet &dataSet);
    // Never reports: a log that cannot be written must not stop the operator's work. True when
    // the entry is written.
    bool WriteLog(const QString &action);
    // The code after the largest one the query returns; a code whose last digits are not a
    // number is reported and gives an empty text (ok false).
    QString NextCode(const QString &sql, int digits, bool *ok = nullptr);
    bool HasPermission(const QString &code);
    // Offers and makes the day's backup copy of the connected database in SysInfo.F_BakPath.
    void AutoBackup();
    // The backup folder: SysInfo.F_BakPath, a relative one taken beside the database file.
    QString backupFolder();
    static QString backupFileName(const QDate &day);

private:
    Db m_db;
};

// Shorthand for the windows: the data module in use.
inline DataModule &dm()
{
    return *DataModule::instance();
}

// Compacts the database file in place; non-zero on success, zero when the file is missing, not
// a database of that key, or held by another connection.
int CompactDatabase(const QString &path, const QString &password);
