#include "app/UnitList.h"
#include "support/TestMain.h"

#include <QTest>

class UnitListTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void roundTrip_data();
    void roundTrip();
};

void UnitListTest::parse_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two") << "'A','B'" << QStringList{"A", "B"};
    QTest::newRow("doubled quote") << "'李''记运输','B'" << QStringList{"李'记运输", "B"};
    QTest::newRow("comma inside a name") << "'甲,乙公司'" << QStringList{"甲,乙公司"};
    QTest::newRow("blanks around items") << "  'A' ,  'B'  " << QStringList{"A", "B"};
    QTest::newRow("blanks inside kept") << "' A '" << QStringList{" A "};
    QTest::newRow("typed without quotes") << "一车队, 二车队" << QStringList{"一车队", "二车队"};
    QTest::newRow("empty items skipped") << "'A',,'B'," << QStringList{"A", "B"};
    QTest::newRow("quoted empty name") << "''" << QStringList{""};
    QTest::newRow("unclosed quote") << "'A','B" << QStringList{"A", "B"};
    QTest::newRow("only a doubled quote") << "''''" << QStringList{"'"};
    QTest::newRow("blank") << "   " << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void UnitListTest::parse()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, names);
    QCOMPARE(parseUnitList(stored), names);
}

void UnitListTest::roundTrip_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("stored");
    QTest::newRow("two") << QStringList{"A", "B"} << "'A','B'";
    QTest::newRow("quote and comma") << QStringList{"李'记运输", "甲,乙"} << "'李''记运输','甲,乙'";
    QTest::newRow("quotes at the ends") << QStringList{"'x'"} << "'''x'''";
    QTest::newRow("none") << QStringList{} << "";
}

void UnitListTest::roundTrip()
{
    QFETCH(QStringList, names);
    QFETCH(QString, stored);
    QCOMPARE(formatUnitList(names), stored);
    QCOMPARE(parseUnitList(stored), names);
}

ORV_TEST(UnitListTest)
#include "UnitListTest.moc"
