#include "db/SqlStatement.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/UnitFilter.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QTest>

class SqlStatementTest : public QObject {
    Q_OBJECT
private slots:
    void likeMatchesTypedTextLiterally_data();
    void likeMatchesTypedTextLiterally();
    void unitFilterCarriesItsValues();
};

void SqlStatementTest::likeMatchesTypedTextLiterally_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("match");
    QTest::addColumn<QStringList>("found");
    const int contains = int(SqlStatement::Like::Contains);
    const int begins = int(SqlStatement::Like::BeginsWith);
    QTest::newRow("percent") << "%" << contains << QStringList{"50%折"};
    QTest::newRow("underscore") << "_" << contains << QStringList{"a_b"};
    QTest::newRow("quote") << "O'N" << contains << QStringList{"O'Neil"};
    QTest::newRow("backslash") << "\\" << contains << QStringList{"c:\\x"};
    QTest::newRow("hash and dashes") << "#--" << contains << QStringList{"#--;"};
    QTest::newRow("begins with") << "a" << begins << QStringList{"a_b", "axb"};
    QTest::newRow("begins with, inside only") << "b" << begins << QStringList{};
}

void SqlStatementTest::likeMatchesTypedTextLiterally()
{
    QFETCH(QString, typed);
    QFETCH(int, match);
    QFETCH(QStringList, found);
    TestEnvironment env;
    env.connect();
    for (const char *memo : {"50%折", "a_b", "axb", "O'Neil", "c:\\x", "#--;", "plain"})
        QVERIFY(orvtest::addRow(QStringLiteral("T_cars"),
                                {{QStringLiteral("F_code"), QString::fromUtf8(memo)}}));
    SqlStatement s(QStringLiteral("select F_code from T_cars where (1=1) "));
    s.appendLike(QStringLiteral("and F_code"), QStringLiteral("code"), typed,
                 SqlStatement::Like(match));
    s.append(QStringLiteral("order by F_code"));
    const QueryResult r = dm().db().query(s.sql, s.params);
    QVERIFY2(r.ok, qPrintable(r.error));
    QStringList plates;
    for (int row = 0; row < r.rows.rowCount(); ++row)
        plates << r.rows.text(row, 0);
    QCOMPARE(plates, found);
}

void SqlStatementTest::unitFilterCarriesItsValues()
{
    TestEnvironment env;
    env.connect();
    QVERIFY(unitFilter(UnitFilter::Car).sql.isEmpty());
    Globals::CarOfficeFilter = QStringLiteral("and (F_GSoffice in (:office0)) ");
    Globals::OfficeParams = {{QStringLiteral("office0"), orvtest::QuotedUnit}};
    orvtest::addVehicle(QStringLiteral("浙A1"), orvtest::QuotedUnit);
    orvtest::addVehicle(QStringLiteral("浙A2"), QStringLiteral("O"));
    SqlStatement s(QStringLiteral("select F_code from T_cars where (1=1) "));
    s.append(unitFilter(UnitFilter::Car));
    QCOMPARE(dm().QueryString(s), QStringLiteral("浙A1"));
}

ORV_TEST(SqlStatementTest)
#include "SqlStatementTest.moc"
