#include "app/NumberFormat.h"
#include "support/TestMain.h"

#include <QTest>
#include <cmath>

class NumberFormatTest : public QObject {
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void plainTextWithoutFormat_data();
    void plainTextWithoutFormat();
    void cachedFormatsMatchParsedOnes();
    void makeDisplayFormat_data();
    void makeDisplayFormat();
};

void NumberFormatTest::formats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Quantities
    QTest::newRow("0.## fraction") << "0.##" << 1234.5 << "1234.5";
    QTest::newRow("0.## whole number shows no point") << "0.##" << 2.0 << "2";
    QTest::newRow("0.## zero") << "0.##" << 0.0 << "0";
    QTest::newRow("0.## half rounds up") << "0.##" << 0.005 << "0.01";
    QTest::newRow("0.## negative half rounds away") << "0.##" << -0.005 << "-0.01";
    QTest::newRow("0.## tiny negative shows no minus") << "0.##" << -0.004 << "0";
    QTest::newRow("0. rounds half up") << "0." << 12.5 << "13";
    QTest::newRow("0. rounds down") << "0." << 12.4 << "12";
    QTest::newRow("0. negative") << "0." << -12.5 << "-13";
    // Decimal rounding on 15 significant digits, not on the binary value below x.xx5
    QTest::newRow("2.675") << "0.00" << 2.675 << "2.68";
    QTest::newRow("1.005") << "0.00" << 1.005 << "1.01";
    QTest::newRow("0.1+0.2") << "0.##########" << 0.1 + 0.2 << "0.3";
    // Money
    QTest::newRow("yuan thousands") << "￥,0.00##" << 1234567.5 << "￥1,234,567.50";
    QTest::newRow("yuan four decimals") << "￥,0.00##" << 0.12345 << "￥0.1235";
    QTest::newRow("yuan negative one section") << "￥,0.00##" << -1234.5 << "-￥1,234.50";
    QTest::newRow("yuan no decimals carry") << "￥,0." << 999.5 << "￥1,000";
    QTest::newRow("yuan zero") << "￥,0." << 0.0 << "￥0";
    QTest::newRow("grouped") << "#,##0.00" << 1234567.891 << "1,234,567.89";
    QTest::newRow("grouped below one") << "#,##0.00" << 0.5 << "0.50";
    QTest::newRow("grouped carry adds group") << "#,##0.00" << 999999.995 << "1,000,000.00";
    QTest::newRow("grouped three digits") << "#,##0.00" << 100.0 << "100.00";
    QTest::newRow("grouped four digits") << "#,##0.00" << 1000.0 << "1,000.00";
    QTest::newRow("grouped large") << "#,##0" << 1234567890123.0 << "1,234,567,890,123";
    // Sections
    QTest::newRow("two sections negative") << "￥,0.00##;-￥,0.00##" << -5.25 << "-￥5.25";
    QTest::newRow("two sections positive") << "￥,0.00##;-￥,0.00##" << 5.0 << "￥5.00";
    QTest::newRow("two sections tiny negative") << "￥,0.00##;-￥,0.00##" << -0.00001 << "￥0.00";
    QTest::newRow("brackets for negative") << "0.00;(0.00)" << -3.0 << "(3.00)";
    QTest::newRow("empty negative section") << "0.00;" << -3.0 << "-3.00";
    QTest::newRow("zero section") << "0.00;-0.00;零" << 0.0 << "零";
    QTest::newRow("zero section after rounding") << "0.00;-0.00;零" << 0.001 << "零";
    // Literals
    QTest::newRow("single-quoted text") << "0.00' 元'" << 3.0 << "3.00 元";
    QTest::newRow("double-quoted text") << "\"合计：\"0.00" << 3.0 << "合计：3.00";
    QTest::newRow("quoted semicolon and digits") << "0 'a;0#,.'" << 5.0 << "5 a;0#,.";
    QTest::newRow("literal between digits") << "00-00" << 1234.0 << "12-34";
    QTest::newRow("digits beyond the places") << "00-00" << 123456.0 << "1234-56";
    // Digit places
    QTest::newRow("padding zeros") << "00000" << 42.0 << "00042";
    QTest::newRow("optional integer digit") << "#.##" << 0.5 << ".5";
    QTest::newRow("no integer places") << ".00" << 12.5 << "12.50";
    QTest::newRow("large value") << "0.00" << 1e20 << "100000000000000000000.00";
    QTest::newRow("forced decimals of tiny negative") << "0.0" << -0.04 << "0.0";
    QTest::newRow("not a number") << "0.00" << std::nan("") << "NAN";
}

void NumberFormatTest::formats()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, format), expected);
    QCOMPARE(NumberFormat::parse(format).format(value), expected);
}

void NumberFormatTest::plainTextWithoutFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fraction") << 1234.5 << "1234.5";
    QTest::newRow("float noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("long") << 123456789.123 << "123456789.123";
    QTest::newRow("negative") << -7.25 << "-7.25";
}

void NumberFormatTest::plainTextWithoutFormat()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, QString()), expected);
}

void NumberFormatTest::cachedFormatsMatchParsedOnes()
{
    // More formats than the cache keeps, visited in turns, so slots are replaced while in use.
    const QStringList formats = {"0.##",  "￥,0.00##", "#,##0.00", "0.", "￥,0.00##;-￥,0.00##",
                                 "00-00", QString()};
    const double values[] = {0.0, -1.5, 1234.5678, 98765.4321, -0.0049};
    for (int round = 0; round < 3; ++round) {
        for (const QString &format : formats) {
            const NumberFormat parsed = NumberFormat::parse(format);
            for (double value : values)
                QCOMPARE(formatNumber(value, format), parsed.format(value));
        }
    }
}

void NumberFormatTest::makeDisplayFormat_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quantity 0") << 0 << 1 << "0.";
    QTest::newRow("quantity 2") << 2 << 1 << "0.##";
    QTest::newRow("price 1") << 1 << 2 << "￥,0.0";
    QTest::newRow("price 2") << 2 << 2 << "￥,0.00";
    QTest::newRow("price 3") << 3 << 2 << "￥,0.00#";
    QTest::newRow("amount 0") << 0 << 3 << "￥,0.";
    QTest::newRow("amount 4") << 4 << 3 << "￥,0.00##";
    QTest::newRow("other kind") << 2 << 4 << "";
    QTest::newRow("kind 0") << 2 << 0 << "";
}

void NumberFormatTest::makeDisplayFormat()
{
    QFETCH(int, decimals);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    QCOMPARE(MakeDisplayFormat(decimals, kind), expected);
}

ORV_TEST(NumberFormatTest)
#include "NumberFormatTest.moc"
