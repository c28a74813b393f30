// Cell texts under display formats, and the no-date rule, without a grid.
#include "grids/CellFormatter.h"
#include "support/TestMain.h"

#include <QTest>

class CellFormatterTest : public QObject {
    Q_OBJECT
private slots:
    void texts_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");

        QTest::newRow("money") << QVariant(1234.5) << "￥,0.00##"
                               << "￥1,234.50";
        QTest::newRow("money four decimals") << QVariant(0.12345) << "￥,0.00##"
                                             << "￥0.1235";
        QTest::newRow("quantity") << QVariant(2.0) << "0.##"
                                  << "2";
        QTest::newRow("integer with format") << QVariant(qint64(3)) << "0.00"
                                             << "3.00";
        QTest::newRow("number without format") << QVariant(12.25) << ""
                                               << "12.25";
        QTest::newRow("null") << QVariant() << "￥,0.00"
                              << "";
        QTest::newRow("text ignores number format") << QVariant("浙A123") << "0.00"
                                                    << "浙A123";
        QTest::newRow("date as stored") << QVariant("2009-03-01") << ""
                                        << "2009-03-01";
        QTest::newRow("no-date value is empty") << QVariant("1900-08-14") << ""
                                                << "";
        QTest::newRow("day before the limit is empty") << QVariant("1901-08-13") << ""
                                                       << "";
        QTest::newRow("limit itself shows") << QVariant("1901-08-14") << ""
                                            << "1901-08-14";
        QTest::newRow("no-date under a date format") << QVariant("1900-08-14") << "yyyy-mm-dd"
                                                     << "";
        QTest::newRow("date format") << QVariant("2009-03-01") << "yyyy年mm月dd日"
                                     << "2009年03月01日";
        QTest::newRow("date and time format")
            << QVariant("2009-03-01 08:05:09") << "yyyy-mm-dd hh:nn:ss"
            << "2009-03-01 08:05:09";
        QTest::newRow("time with minutes as mm") << QVariant("08:05:09") << "hh:mm"
                                                 << "08:05";
        QTest::newRow("time hh:nn:ss") << QVariant("23:59:01") << "hh:nn:ss"
                                       << "23:59:01";
        QTest::newRow("code that only starts like a number") << QVariant("1900-08-145") << ""
                                                             << "1900-08-145";
    }
    void texts()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        ResultSet rows({QStringLiteral("F_x")});
        rows.appendRow();
        rows.setValue(0, 0, value);
        QCOMPARE(CellFormatter(format).text(rows, 0, 0), expected);
    }

    void footerNumbersUseTheSameFormat()
    {
        QCOMPARE(CellFormatter(QStringLiteral("￥,0.00")).numberText(1234567.891),
                 QStringLiteral("￥1,234,567.89"));
        QCOMPARE(CellFormatter(QString()).numberText(0.5), QStringLiteral("0.5"));
    }
};

ORV_TEST(CellFormatterTest)
#include "CellFormatterTest.moc"
