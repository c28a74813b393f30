// The date picker and the no-date convention: what is shown for a stored value, what is saved for
// a shown one, and how the operator sets a date.
#include "widgets/DatePicker.h"
#include "app/ScriptedPlatform.h"
#include "db/NoDate.h"
#include "support/TestMain.h"
#include "widgets/DateRangeCaption.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>

class DatePickerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedPlatform> ui;
    const QDate today{2024, 5, 20};

private slots:
    void init()
    {
        ui = std::make_unique<ScriptedPlatform>();
        ui->clock = QDateTime(today, QTime(9, 30));
    }
    void cleanup() { ui.reset(); }

    void noDateThreshold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("noDate");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("stored no-date") << "1900-08-14" << true;
        QTest::newRow("with a time") << "1900-08-14 00:00:00" << true;
        QTest::newRow("a day before the limit") << "1901-08-13" << true;
        QTest::newRow("the limit") << "1901-08-14" << false;
        QTest::newRow("a real date") << "2009-03-01" << false;
    }
    void noDateThreshold()
    {
        QFETCH(QString, text);
        QFETCH(bool, noDate);
        QCOMPARE(NoDate::isNoDate(text), noDate);
        QCOMPARE(NoDate::displayText(text), noDate ? QString() : text);
    }

    void loadStoredShowsTodayUntickedForNoDate_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("null") << QVariant() << "2024-05-20" << false;
        QTest::newRow("empty") << QVariant(QString()) << "2024-05-20" << false;
        QTest::newRow("stored no-date") << QVariant("1900-08-14") << "2024-05-20" << false;
        QTest::newRow("before the limit") << QVariant("1901-08-13") << "2024-05-20" << false;
        QTest::newRow("unreadable") << QVariant("soon") << "2024-05-20" << false;
        QTest::newRow("the limit") << QVariant("1901-08-14") << "1901-08-14" << true;
        QTest::newRow("a date text") << QVariant("2009-03-05") << "2009-03-05" << true;
        QTest::newRow("a date with time")
            << QVariant("2009-03-05 00:00:00") << "2009-03-05" << true;
        QTest::newRow("a QDate") << QVariant(QDate(2010, 1, 2)) << "2010-01-02" << true;
    }
    void loadStoredShowsTodayUntickedForNoDate()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        QFETCH(bool, ticked);
        DatePicker picker;
        picker.setCheckable(true);
        picker.setDate(QDate(2001, 1, 1));
        picker.loadStored(stored);
        QCOMPARE(picker.text(), shown);
        QCOMPARE(picker.isChecked(), ticked);
        QCOMPARE(picker.findChild<QCheckBox *>()->isChecked(), ticked);
        // What the editor saves again for it.
        QCOMPARE(picker.storedText(), ticked ? shown : QStringLiteral("1900-08-14"));
    }

    void storedTextFollowsTheTick()
    {
        DatePicker picker;
        picker.setCheckable(true);
        picker.setDate(QDate(2009, 3, 1));
        QCOMPARE(picker.storedText(), QStringLiteral("2009-03-01"));
        QSignalSpy changed(&picker, &DatePicker::checkedChanged);
        QTest::mouseClick(picker.findChild<QCheckBox *>(), Qt::LeftButton);
        QVERIFY(!picker.isChecked());
        QCOMPARE(picker.storedText(), NoDate::stored);
        QCOMPARE(picker.text(), QStringLiteral("2009-03-01")); // the date stays in view
        QTest::keyClick(&picker, Qt::Key_Space);
        QCOMPARE(picker.storedText(), QStringLiteral("2009-03-01"));
        QCOMPARE(changed.count(), 2);

        // A saved no-date comes back unticked with today, and is saved as no-date again.
        DatePicker reopened;
        reopened.setCheckable(true);
        picker.setChecked(false);
        reopened.loadStored(picker.storedText());
        QVERIFY(!reopened.isChecked());
        QCOMPARE(reopened.date(), today);
        QCOMPARE(reopened.storedText(), NoDate::stored);
    }

    void choosingADateSetsIt()
    {
        DatePicker optional;
        optional.setCheckable(true);
        optional.showToday(false);
        QTest::keyClick(&optional, Qt::Key_Up);
        QVERIFY(optional.isChecked());
        QCOMPARE(optional.storedText(), optional.date().toString(QStringLiteral("yyyy-MM-dd")));
        QVERIFY(optional.date() != today);

        // A date without tick box loaded as not set (an old trip record) stays unset until the
        // operator chooses a date; then the chosen date is saved.
        DatePicker trip;
        trip.loadStored(QStringLiteral("1900-08-14"));
        QCOMPARE(trip.text(), QStringLiteral("2024-05-20"));
        QCOMPARE(trip.storedText(), NoDate::stored);
        QTest::keyClick(&trip, Qt::Key_Down);
        QVERIFY(trip.isChecked());
        QCOMPARE(trip.storedText(), trip.date().toString(QStringLiteral("yyyy-MM-dd")));

        // Read-only: neither the tick nor the date can be changed.
        DatePicker fixed;
        fixed.setCheckable(true);
        fixed.showToday(false);
        fixed.setReadOnly(true);
        QTest::keyClick(&fixed, Qt::Key_Space);
        QTest::keyClick(&fixed, Qt::Key_Up);
        QVERIFY(!fixed.isChecked());
        QCOMPARE(fixed.date(), today);
        QTest::mouseClick(fixed.findChild<QCheckBox *>(), Qt::LeftButton);
        QVERIFY(!fixed.isChecked());
    }

    void newPickerShowsTodayAsDateText()
    {
        DatePicker picker;
        QCOMPARE(picker.text(), QStringLiteral("2024-05-20"));
        QVERIFY(picker.calendarPopup());
        QVERIFY(picker.isChecked());
        QCOMPARE(picker.storedText(), QStringLiteral("2024-05-20"));
        QVERIFY(!picker.findChild<QCheckBox *>()->isVisibleTo(&picker));
    }

    void rangeCaptionFromPickers()
    {
        DatePicker from;
        DatePicker to;
        from.setCheckable(true);
        to.setCheckable(true);
        from.setDate(QDate(2009, 3, 1));
        to.setDate(QDate(2009, 3, 31));
        QCOMPARE(DateRangeCaption(&from, &to, QStringLiteral("维修")),
                 QStringLiteral("维修日期：自 2009年03月01日 至 2009年03月31日"));
        from.setChecked(false);
        QCOMPARE(DateRangeCaption(&from, &to, QStringLiteral("投保")),
                 QStringLiteral("投保日期：自 启用系统 至 2009年03月31日"));
        to.setChecked(false);
        QCOMPARE(DateRangeCaption(&from, &to, QString()),
                 QStringLiteral("统计日期：自 启用系统 至 记帐最后一天"));
        QCOMPARE(DateRangeCaption(nullptr, nullptr, QStringLiteral("加油")),
                 QStringLiteral("加油日期：自 启用系统 至 记帐最后一天"));
    }
};

ORV_TEST(DatePickerTest)
#include "DatePickerTest.moc"
