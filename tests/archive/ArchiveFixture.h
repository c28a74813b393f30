#pragma once
// The vehicle archive over a real database with a small fleet: vehicles of the restricted
// operator's two units (one of them named with a quote), one of another unit and one out of
// service, written out of plate order.
#include "archive/VehicleArchiveWindow.h"
#include "db/DataSet.h"
#include "db/RecordKinds.h"
#include "forms/DetailPages.h"
#include "support/ModalHelper.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "support/program/ProgramFixture.h"

#include <QHash>
#include <memory>

namespace archivetest {

inline const QDate Today{2024, 3, 15};

// F_ID by plate.
inline QHash<QString, qint64> addFleet()
{
    struct Car {
        const char *plate;
        QString unit;
        const char *brand;
        const char *type;
        const char *load; // nullptr: no value
        const char *memo;
        bool outOfService;
    };
    const Car cars[] = {
        {"浙A3", QStringLiteral("别的车队"), "丰田", "轿车", "2吨", "", false},
        {"浙A1", orvtest::PlainUnit, "丰田", "货车", "5吨", "O'N%_1", false},
        {"浙X9", orvtest::PlainUnit, "大众", "货车", "1吨", "", true},
        {"浙A2", orvtest::QuotedUnit, "本田", "轿车", nullptr, "ON1", false},
    };
    QHash<QString, qint64> ids;
    for (const Car &car : cars) {
        SqlParams fields{{QStringLiteral("F_code"), QString::fromUtf8(car.plate)},
                         {QStringLiteral("F_GSoffice"), car.unit},
                         {QStringLiteral("F_pinPai"), QString::fromUtf8(car.brand)},
                         {QStringLiteral("F_type"), QString::fromUtf8(car.type)},
                         {QStringLiteral("F_memo1"), QString::fromUtf8(car.memo)},
                         {QStringLiteral("F_buyPrice"), 123456.5},
                         {QStringLiteral("F_useFlag"), car.outOfService ? 1 : 0}};
        if (car.load)
            fields.insert(QStringLiteral("F_zaiZhong"), QString::fromUtf8(car.load));
        ids.insert(QString::fromUtf8(car.plate), orvtest::addRow(QStringLiteral("T_cars"), fields));
    }
    return ids;
}

inline QStringList column(DataSet *rows, const QString &field)
{
    QStringList values;
    for (int row = 0; row < rows->rowCount(); ++row)
        values << rows->text(row, field);
    return values;
}

inline QStringList plates(VehicleArchiveWindow &archive)
{
    return column(archive.rows(), QStringLiteral("F_code"));
}

template <typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// The archive opened as admin straight over a connected database.
struct ArchiveFixture {
    TestEnvironment env;
    QHash<QString, qint64> ids;
    std::unique_ptr<VehicleArchiveWindow> window;

    ArchiveFixture()
    {
        env.platform().clock = QDateTime(Today, QTime(10, 0));
        env.connect();
        ids = addFleet();
    }

    VehicleArchiveWindow &open()
    {
        window = std::make_unique<VehicleArchiveWindow>();
        window->show();
        return *window;
    }

    // A record of the kind for the vehicle, on that date.
    qint64 addRecord(const RecordKind &kind, const QString &plate, const QString &date) const
    {
        return orvtest::addRow(kind.table, {{QStringLiteral("F_mainID"), ids.value(plate)},
                                            {QStringLiteral("F_CPcode"), plate},
                                            {kind.dateField, date}});
    }
};

// Runs `act` in the archive that command 202 opens for a program logged in as `who`; false when
// the window did not open.
inline bool inArchiveOf(orvtest::Operator who,
                        const std::function<void(VehicleArchiveWindow &)> &act)
{
    orvtest::LoggedInProgram program(who);
    if (!program.loggedIn())
        return false;
    addFleet();
    bool ran = false;
    orvtest::whenModalNamed(QStringLiteral("TfrmCARman"), [&](QWidget *window) {
        act(static_cast<VehicleArchiveWindow &>(*window));
        ran = true;
        window->close();
    });
    program.openCommand(202);
    return ran;
}

} // namespace archivetest
