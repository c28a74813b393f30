#pragma once
#include "db/SqlParams.h"

#include <QString>
#include <QStringList>
#include <vector>

// Rows for tests, written straight into the connected database with bound values.
namespace orvtest {

struct Vehicle {
    QString plate;
    QString unit; // F_GSoffice
    bool outOfService = false;
    QString brand; // F_pinPai
    QString type;
    QString driver;
};
// The new vehicle's F_ID, 0 on failure.
qint64 addVehicle(const Vehicle &vehicle);
qint64 addVehicle(const QString &plate, const QString &unit = {}, bool outOfService = false);

qint64 addEmployee(const QString &name, bool outOfService = false, const QString &dept = {});

// Any row of any table: the fields by column name. The new row's F_ID, 0 on failure.
qint64 addRow(const QString &table, const SqlParams &fields);

// A repair record: the rows most grid, print and export tests look at.
struct Repair {
    QString plate;
    QString date;
    double price = 0;
    QString memo;
    QString days = QStringLiteral("1");
    QString type;
    QString note; // F_WXmemo1
};
bool addRepairs(const std::vector<Repair> &rows);

// Makes the database refuse every insert, update and delete on the table (a trigger raising an
// error), as a full disk or a lost share would; allowWrites takes it back.
bool refuseWrites(const QString &table);
bool allowWrites(const QString &table);

// The owning units of the restricted operator: a plain name, and one holding a quote, which
// only bound values match.
inline const QString PlainUnit = QStringLiteral("一车队");
inline const QString QuotedUnit = QStringLiteral("O'Neil车队");
// As OperList.F_carS stores them.
QString restrictedUnitsStored();

} // namespace orvtest
