// The engine's plans for the program's list statements on a demo fleet: each reads its record
// table through the index its period needs, never by a scan of the table and never through the
// plate index once per vehicle in service. A window adds its statements as entries of watched().
//
// The program leaves no planner statistics in its files (it never analyzes them), so the engine
// plans every file from the same fixed guesses: the plan on this small fleet is the plan on a
// fleet of 20,000 vehicles. The test checks that premise too.
#include "app/DataModule.h"
#include "db/QueryPlan.h"
#include "harness/OperatorUnits.h"
#include "harness/RecordLists.h"
#include "session/WorkLogQuery.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QRegularExpression>
#include <QTest>
#include <functional>

namespace {

struct Watched {
    QString name;
    std::function<SqlStatement()> statement;
    QString table; // what the statement reads
    QString index; // the index its plan must read the table through
};

std::vector<Watched> watched()
{
    // The calendar month before this one, inside the demo's twelve months.
    const QDate today = QDate::currentDate();
    const QDate MonthFrom = QDate(today.year(), today.month(), 1).addMonths(-1);
    const QDate MonthTo = MonthFrom.addMonths(1).addDays(-1);
    std::vector<Watched> all;
    for (const RecordKind &kind : RecordKinds::all()) {
        const QString table = kind.table;
        all.push_back({table + QStringLiteral(" month"),
                       [=] { return harness::recordList(kind, MonthFrom, MonthTo); }, table,
                       QStringLiteral("ix_%1_%2_F_CPcode").arg(table, kind.dateField)});
    }
    all.push_back({QStringLiteral("work log month"),
                   [=] {
                       WorkLogQuery::Filter filter;
                       filter.from = MonthFrom;
                       filter.to = MonthTo;
                       filter.operatorText = QStringLiteral("调度");
                       return WorkLogQuery::select(filter);
                   },
                   QStringLiteral("LogRec"), QStringLiteral("ix_LogRec_F_OperDate")});
    return all;
}

// Every step of the plan that reads the table, and whether each goes through the index.
QString misread(const QStringList &steps, const QString &table, const QString &index)
{
    const QRegularExpression reads(QStringLiteral("\\bTABLE %1\\b").arg(table),
                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression throughIndex(
        QStringLiteral("\\bTABLE %1 USING (COVERING )?INDEX %2\\b").arg(table, index),
        QRegularExpression::CaseInsensitiveOption);
    int reading = 0;
    for (const QString &step : steps) {
        if (!reads.match(step).hasMatch())
            continue;
        ++reading;
        if (!throughIndex.match(step).hasMatch())
            return step;
    }
    return reading == 0 ? QStringLiteral("no step reads %1").arg(table) : QString();
}

} // namespace

class PlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    Db &db() { return env->dataModule()->db(); }

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(env->createDemoDatabase(200, 12));
        env->connect();
        QVERIFY(env->dataModule()->IsConnected);
    }
    void cleanupTestCase() { env.reset(); }

    void filesHoldNoPlannerStatistics()
    {
        QVERIFY(!db().tableExists(QStringLiteral("sqlite_stat1")));
    }

    // With and without an owning-unit restriction (which adds to the vehicles' sub-select).
    void listStatementsReadThroughTheirIndex_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("units");
        const std::vector<Watched> all = watched();
        for (int i = 0; i < int(all.size()); ++i) {
            QTest::newRow(qPrintable(all[i].name)) << i << QString();
            QTest::newRow(qPrintable(all[i].name + QStringLiteral(", two units")))
                << i << QStringLiteral("'杭州分公司','温州分公司'");
        }
    }
    void listStatementsReadThroughTheirIndex()
    {
        QFETCH(int, entry);
        QFETCH(QString, units);
        const harness::OperatorUnits restriction(units);
        const Watched w = watched().at(entry);
        const SqlStatement statement = w.statement();
        const QueryPlan plan = QueryPlan::of(db(), statement.sql, statement.params);
        QVERIFY2(plan.ok, qPrintable(plan.error));
        const QString wrong = misread(plan.steps, w.table, w.index);
        QVERIFY2(
            wrong.isEmpty(),
            qPrintable(QStringLiteral("%1\nplan:\n%2\nwants %3").arg(wrong, plan.text(), w.index)));
        // And the statement runs, over rows of the fleet.
        const QueryResult result = db().query(statement.sql, statement.params);
        QVERIFY2(result.ok, qPrintable(result.error));
    }
};

ORV_TEST(PlanTest)
#include "PlanTest.moc"
