#include "OperatorFixture.h"

#include "app/DataModule.h"
#include "app/Passwords.h"

bool orvtest::addOperator(const QString &name, const QString &password, const QString &offices,
                          const QStringList &permissions)
{
    Db &db = dm().db();
    if (!db.exec(QStringLiteral("insert into OperList(F_Name,F_PassWord,F_Mem,F_flag,F_clFlag,"
                                "F_carS) values(:name,:pass,'',0,:cl,:cars)"),
                 {{QStringLiteral("name"), name},
                  {QStringLiteral("pass"), SavePass(password)},
                  {QStringLiteral("cl"), offices.trimmed().isEmpty() ? 0 : 1},
                  {QStringLiteral("cars"), offices}}))
        return false;
    for (const QString &permission : permissions) {
        if (!db.exec(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) values(:n,:l)"),
                     {{QStringLiteral("n"), name}, {QStringLiteral("l"), permission}}))
            return false;
    }
    return true;
}

QList<QPair<QString, QString>> orvtest::logEntries()
{
    QList<QPair<QString, QString>> entries;
    const QueryResult r =
        dm().db().query(QStringLiteral("select F_EmpName, F_OperType from LogRec order by rowid"));
    for (int row = 0; r.ok && row < r.rows.rowCount(); ++row)
        entries.append({r.rows.text(row, 0), r.rows.text(row, 1)});
    return entries;
}
