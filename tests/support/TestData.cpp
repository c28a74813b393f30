#include "TestData.h"

#include "app/DataModule.h"

#include <QStringList>

qint64 orvtest::addRow(const QString &table, const SqlParams &fields)
{
    QStringList columns;
    QStringList params;
    SqlParams values;
    int n = 0;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it, ++n) {
        columns << it.key();
        params << QStringLiteral(":v%1").arg(n);
        values.insert(QStringLiteral("v%1").arg(n), it.value());
    }
    const DbResult done = dm().db().exec(
        QStringLiteral("insert into ") + table + QLatin1Char('(') + columns.join(QLatin1Char(',')) +
            QStringLiteral(") values(") + params.join(QLatin1Char(',')) + QLatin1Char(')'),
        values);
    return done.ok ? done.lastInsertId : 0;
}

qint64 orvtest::addVehicle(const Vehicle &v)
{
    return addRow(QStringLiteral("T_cars"), {{QStringLiteral("F_code"), v.plate},
                                             {QStringLiteral("F_GSoffice"), v.unit},
                                             {QStringLiteral("F_useFlag"), v.outOfService},
                                             {QStringLiteral("F_pinPai"), v.brand},
                                             {QStringLiteral("F_type"), v.type},
                                             {QStringLiteral("F_JSempname"), v.driver}});
}

qint64 orvtest::addVehicle(const QString &plate, const QString &unit, bool outOfService)
{
    return addVehicle(Vehicle{plate, unit, outOfService});
}

qint64 orvtest::addEmployee(const QString &name, bool outOfService, const QString &dept)
{
    return addRow(QStringLiteral("t_employee"), {{QStringLiteral("F_name"), name},
                                                 {QStringLiteral("F_useFlag"), outOfService},
                                                 {QStringLiteral("F_dept"), dept}});
}

bool orvtest::addRepairs(const std::vector<Repair> &rows)
{
    for (const Repair &r : rows) {
        if (!addRow(QStringLiteral("T_WXrec"), {{QStringLiteral("F_CPcode"), r.plate},
                                                {QStringLiteral("F_WXdate"), r.date},
                                                {QStringLiteral("F_WXprice"), r.price},
                                                {QStringLiteral("F_memo1"), r.memo},
                                                {QStringLiteral("F_WXdayNum"), r.days},
                                                {QStringLiteral("F_WXtype"), r.type},
                                                {QStringLiteral("F_WXmemo1"), r.note}}))
            return false;
    }
    return true;
}

bool orvtest::refuseWrites(const QString &table)
{
    Db &db = dm().db();
    for (const char *event : {"insert", "update", "delete"}) {
        const QString trigger = QStringLiteral("refuse_%1_%2").arg(QLatin1String(event), table);
        if (!db.execScript(QStringLiteral("create trigger %1 before %2 on %3 begin select "
                                          "raise(abort, 'writes refused'); end;")
                               .arg(trigger, QLatin1String(event), table)))
            return false;
    }
    return true;
}

bool orvtest::allowWrites(const QString &table)
{
    for (const char *event : {"insert", "update", "delete"})
        dm().db().execScript(QStringLiteral("drop trigger if exists refuse_%1_%2;")
                                 .arg(QLatin1String(event), table));
    return true;
}

QString orvtest::restrictedUnitsStored()
{
    QString quoted = QuotedUnit;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("'") + PlainUnit + QStringLiteral("','") + quoted + QStringLiteral("'");
}
