#include "DataModule.h"

#include "Globals.h"
#include "Messages.h"
#include "NextCodeAfter.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
DataModule *&current()
{
    static DataModule *module = nullptr;
    return module;
}
} // namespace

DataModule::DataModule(QObject *parent) : QObject(parent)
{
    current() = this;
}

DataModule::~DataModule()
{
    if (current() == this)
        current() = nullptr;
}

DataModule *DataModule::instance()
{
    Q_ASSERT(current());
    return current();
}

bool DataModule::connectTo(const QString &path, QString *error)
{
    IsConnected = false;
    if (!m_db.open(path, QString::fromLatin1(Db::DefaultKey), error))
        return false;
    // The key fits, but is it one of ours?
    if (!m_db.tableExists(QStringLiteral("SysInfo")) ||
        !m_db.tableExists(QStringLiteral("OperList"))) {
        m_db.close();
        if (error)
            *error = QStringLiteral("not a database of this program: %1").arg(path);
        return false;
    }
    IsConnected = true;
    return true;
}

void DataModule::disconnect()
{
    m_db.close();
    IsConnected = false;
}

bool DataModule::DeleteById(const QString &table, qint64 id)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const bool ok = identifier.match(table).hasMatch() &&
                    m_db.exec(QStringLiteral("delete from %1 where F_ID = :id").arg(table),
                              {{QStringLiteral("id"), id}})
                        .ok;
    if (!ok)
        ShowMess(DeleteFailed, 3);
    return ok;
}

bool DataModule::ExecSql(const QString &sql, const SqlParams &params)
{
    const bool ok = m_db.exec(sql, params).ok;
    if (!ok)
        ShowMess(OperationFailed, 3);
    return ok;
}

QString DataModule::QueryString(const QString &sql, const SqlParams &params)
{
    const QueryResult r = m_db.query(sql, params);
    if (!r.ok) {
        ShowMess(OperationFailed, 3);
        return {};
    }
    return r.rows.rowCount() > 0 && r.rows.columnCount() > 0 ? r.rows.text(0, 0) : QString();
}

int DataModule::QueryInt(const QString &sql, const SqlParams &params)
{
    const QueryResult r = m_db.query(sql, params);
    if (!r.ok) {
        ShowMess(OperationFailed, 3);
        return 0;
    }
    return r.rows.rowCount() > 0 && r.rows.columnCount() > 0 ? int(r.rows.integer(0, 0)) : 0;
}

bool DataModule::OpenQuery(const QString &sql, DataSet &dataSet, const SqlParams &params)
{
    dataSet.setStatement(sql, params);
    QueryResult r = m_db.query(sql, params);
    if (!r.ok) {
        dataSet.clear();
        ShowMess(OpenFailed, 3);
        return false;
    }
    dataSet.setRows(std::move(r.rows));
    return true;
}

bool DataModule::Requery(DataSet &dataSet)
{
    return OpenQuery(dataSet.sql(), dataSet, dataSet.params());
}

bool DataModule::WriteLog(const QString &action)
{
    const QDateTime now = platform().now();
    const DbResult written =
        m_db.exec(QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) "
                                 "values(:EmpName,:OperType,:OperDate,:OperTime)"),
                  {{QStringLiteral("EmpName"), Globals::CurrentOperator},
                   {QStringLiteral("OperType"), action},
                   {QStringLiteral("OperDate"), now.date().toString(QStringLiteral("yyyy-MM-dd"))},
                   {QStringLiteral("OperTime"), now.time().toString(QStringLiteral("hh:mm:ss"))}});
    return written.ok;
}

QString DataModule::NextCode(const QString &sql, int digits, bool *ok)
{
    if (ok)
        *ok = false;
    const QueryResult r = m_db.query(sql);
    if (!r.ok) {
        ShowMess(OperationFailed, 3);
        return {};
    }
    const QString max = r.rows.rowCount() > 0 ? r.rows.text(0, 0) : QString();
    QString error;
    const std::optional<QString> next = nextCodeAfter(max, digits, &error);
    if (!next) {
        ShowMess(error, 2);
        return {};
    }
    if (ok)
        *ok = true;
    return *next;
}

bool DataModule::HasPermission(const QString &code)
{
    return QueryInt(
               QStringLiteral("Select o.F_ID from OperLimit as O left join Limits as l On "
                              "O.F_lmtName = L.F_name Where (O.F_OperName = :oper)And(l.F_code "
                              "= :code) "),
               {{QStringLiteral("oper"), Globals::CurrentOperator},
                {QStringLiteral("code"), code}}) > 0;
}

QString DataModule::backupFileName(const QDate &day)
{
    return QStringLiteral("dp") + day.toString(QStringLiteral("yyyyMMdd")) +
           QStringLiteral(".back");
}

QString DataModule::backupFolder()
{
    const QString folder = QueryString(QStringLiteral("select f_BakPath from sysInfo")).trimmed();
    if (folder.isEmpty() || QDir::isAbsolutePath(folder))
        return folder;
    return QDir::cleanPath(QFileInfo(m_db.path()).absoluteDir().filePath(folder));
}

void DataModule::AutoBackup()
{
    const QString folder = backupFolder();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        if (ShowMess(QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"),
                     1) != 1)
            return;
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            ShowMess(QStringLiteral("目录") + folder +
                         QStringLiteral(" 创建失败,请检测路径是否合法!"),
                     3);
            return;
        }
    }
    const QString target = QDir(folder).filePath(backupFileName(platform().today()));
    if (QFileInfo::exists(target))
        return; // one backup a day
    if (!m_db.copyFileTo(target))
        ShowMess(BackupFailed, 3);
}

int CompactDatabase(const QString &path, const QString &password)
{
    Db db;
    if (!db.open(path, password))
        return 0;
    return db.compact() ? 1 : 0;
}
