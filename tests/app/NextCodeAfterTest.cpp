#include "app/NextCodeAfter.h"
#include "support/TestMain.h"

#include <QTest>

class NextCodeAfterTest : public QObject {
    Q_OBJECT
private slots:
    void nextCode_data();
    void nextCode();
    void refusesWhatCannotCount_data();
    void refusesWhatCannotCount();
};

void NextCodeAfterTest::nextCode_data()
{
    QTest::addColumn<QString>("currentMax");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("prefixed") << "E0012" << 4 << "E0013";
    QTest::newRow("no rows") << "" << 4 << "0001";
    QTest::newRow("no rows two digits") << "" << 2 << "01";
    QTest::newRow("nines wrap") << "A9999" << 4 << "A0000";
    QTest::newRow("shorter than digits") << "12" << 4 << "13";
    QTest::newRow("short nines wrap") << "99" << 4 << "00";
    QTest::newRow("carry through zeros") << "EMP0099" << 4 << "EMP0100";
    QTest::newRow("digit in head kept") << "E00012" << 4 << "E00013";
    QTest::newRow("chinese head") << "维修0007" << 4 << "维修0008";
    QTest::newRow("long tail no overflow")
        << "12345678901234567899" << 20 << "12345678901234567900";
}

void NextCodeAfterTest::nextCode()
{
    QFETCH(QString, currentMax);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QString error = QStringLiteral("stale");
    const std::optional<QString> code = nextCodeAfter(currentMax, digits, &error);
    QVERIFY(code.has_value());
    QCOMPARE(*code, expected);
    QVERIFY(error.isEmpty());
}

void NextCodeAfterTest::refusesWhatCannotCount_data()
{
    QTest::addColumn<QString>("currentMax");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expectedError");
    const QString notDigits = QStringLiteral("编号“%1”的末尾不是数字，无法自动生成新编号！");
    QTest::newRow("letter in tail") << "E001A" << 4 << notDigits.arg("E001A");
    QTest::newRow("all letters") << "ABCD" << 4 << notDigits.arg("ABCD");
    QTest::newRow("full-width digits") << "E12３４" << 4 << notDigits.arg("E12３４");
    QTest::newRow("blank in tail") << "E012 " << 4 << notDigits.arg("E012 ");
    QTest::newRow("no digits to count")
        << "E0012" << 0 << "编号的位数必须大于零，无法自动生成新编号！";
}

void NextCodeAfterTest::refusesWhatCannotCount()
{
    QFETCH(QString, currentMax);
    QFETCH(int, digits);
    QFETCH(QString, expectedError);
    QString error;
    QVERIFY(!nextCodeAfter(currentMax, digits, &error).has_value());
    QCOMPARE(error, expectedError);
    QVERIFY(!nextCodeAfter(currentMax, digits).has_value()); // no error text asked for
}

ORV_TEST(NextCodeAfterTest)
#include "NextCodeAfterTest.moc"
