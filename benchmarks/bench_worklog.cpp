// The work log browser over a million entries of twenty operators in two years: the query over
// all entries and a narrow one (one operator, one kind of action, one month) into a data set, the
// grid of the rzlistgl layout taking the full result, and clearing what a query found.
#include "BenchDatabase.h"
#include "GuiBenchmarkMain.h"
#include "db/DataSet.h"
#include "grids/DataGrid.h"
#include "grids/GridLayouts.h"
#include "session/WorkLogQuery.h"
#include "session/WorkLogWindow.h"

#include <QApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int Entries = 1000000;
constexpr int Operators = 20;
constexpr int Days = 730;

QString operatorName(int k)
{
    return QStringLiteral("操作员%1").arg(k + 1, 2, 10, QChar(u'0'));
}

// Forty action texts: four verbs on ten kinds of record.
const QStringList &actionTexts()
{
    static const QStringList texts = [] {
        const QStringList verbs = {QStringLiteral("增加"), QStringLiteral("修改"),
                                   QStringLiteral("删除"), QStringLiteral("导出")};
        const QStringList things = {
            QStringLiteral("车辆信息档案资料！"), QStringLiteral("车辆维修记录！"),
            QStringLiteral("车辆保险记录！"),     QStringLiteral("加油记录！"),
            QStringLiteral("事故记录！"),         QStringLiteral("违章记录！"),
            QStringLiteral("年检记录！"),         QStringLiteral("驾驶员信息！"),
            QStringLiteral("配件入库记录！"),     QStringLiteral("费用记录！")};
        QStringList all;
        for (const QString &verb : verbs)
            for (const QString &thing : things)
                all << verb + thing;
        return all;
    }();
    return texts;
}

// A seeded database connected through the data module, its work log filled in time order with
// random operators and actions. Made once and shared by the benchmarks.
struct Fixture : benchdata::SeededDatabase {
    Fixture()
    {
        Db &db = this->db();
        Transaction transaction(db);
        Statement insert = db.prepare(QStringLiteral(
            "insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) values(:e,:t,:d,:h)"));
        QStringList days;
        for (int d = 0; d < Days; ++d)
            days << QDate(2024, 1, 1).addDays(d).toString(QStringLiteral("yyyy-MM-dd"));
        QRandomGenerator random(20240101);
        for (int i = 0; i < Entries; ++i) {
            const qint64 second = qint64(i) * Days * 86400 / Entries;
            insert.run({{"e", operatorName(int(random.bounded(Operators)))},
                        {"t", actionTexts()[int(random.bounded(int(actionTexts().size())))]},
                        {"d", days[int(second / 86400)]},
                        {"h", QTime(0, 0).addSecs(int(second % 86400)).toString(u"HH:mm:ss")}});
        }
        if (!transaction.commit()) {
            std::fprintf(stderr, "fill: %s\n", qPrintable(db.lastError()));
            std::exit(1);
        }
    }
};

Fixture &fixture()
{
    return benchdata::guiFixture<Fixture>();
}

WorkLogQuery::Filter allEntries()
{
    return {};
}

WorkLogQuery::Filter oneMonth()
{
    WorkLogQuery::Filter filter;
    filter.from = QDate(2025, 3, 1);
    filter.to = QDate(2025, 3, 31);
    return filter;
}

// One operator and the three "修改车辆…" actions in that month.
WorkLogQuery::Filter narrow()
{
    WorkLogQuery::Filter filter = oneMonth();
    filter.operatorText = operatorName(6);
    filter.actionText = QStringLiteral("修改车辆");
    return filter;
}

// The query button's work: the statement of the filter, its rows read and given to the data set.
void open(DataSet &log, const WorkLogQuery::Filter &filter)
{
    const SqlStatement statement = WorkLogQuery::select(filter);
    QueryResult result = fixture().module.db().query(statement.sql, statement.params);
    if (!result.ok) {
        std::fprintf(stderr, "query: %s\n", qPrintable(result.error));
        std::exit(1);
    }
    log.setStatement(statement.sql, statement.params);
    log.setRows(std::move(result.rows));
}

void report(benchmark::State &state, const DataSet &log)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = log.rowCount();
    state.counters["resultMiB"] = double(log.rows().memoryBytes()) / (1024.0 * 1024.0);
    state.counters["peakRssMiB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_FillLog(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(&fixture());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = Entries;
    state.counters["peakRssMiB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_FillLog)->Unit(benchmark::kMillisecond)->Iterations(1);

// The query button's steps, for the whole log and two filters.
void BM_Query(benchmark::State &state, WorkLogQuery::Filter (*filter)())
{
    DataSet log;
    for (auto _ : state)
        open(log, filter());
    report(state, log);
}
BENCHMARK_CAPTURE(BM_Query, all, allEntries)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Query, narrow, narrow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Query, oneMonth, oneMonth)->Unit(benchmark::kMillisecond);

// The window's grid: the columns of its saved layout, shown offscreen, the full result moved in.
void BM_GridResetAll(benchmark::State &state)
{
    fixture();
    DataSet log;
    DataGrid grid;
    grid.setDataSet(&log);
    LoadGridLayout(&grid, WorkLogWindow::LayoutKey);
    grid.resize(900, 520);
    grid.show();
    open(log, allEntries());
    const ResultSet all = log.rows();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        ResultSet copy = all;
        state.ResumeTiming();
        log.setRows(std::move(copy)); // model reset, current row, footers invalidated
        QApplication::processEvents();
    }
    state.counters["columns"] = grid.columnCount();
    report(state, log);
}
BENCHMARK(BM_GridResetAll)->Unit(benchmark::kMillisecond)->Iterations(5);

// 清除 after a query: its entries removed in one transaction. They are put back (as new rows
// at the end, which the date order does not see) and read again before the next round.
void clear(benchmark::State &state, const WorkLogQuery::Filter &filter)
{
    Db &db = fixture().module.db();
    DataSet log;
    qint64 removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        open(log, filter);
        state.ResumeTiming();
        QString error;
        if (!WorkLogQuery::deleteEntries(log, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        state.PauseTiming();
        removed += log.rowCount();
        Transaction transaction(db);
        Statement insert = db.prepare(QStringLiteral(
            "insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) values(:e,:t,:d,:h)"));
        for (int row = 0; row < log.rowCount(); ++row)
            insert.run({{"e", log.value(row, u"F_EmpName")},
                        {"t", log.value(row, u"F_OperType")},
                        {"d", log.value(row, u"F_OperDate")},
                        {"h", log.value(row, u"F_OperTime")}});
        transaction.commit();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(removed);
    report(state, log);
}

void BM_ClearNarrow(benchmark::State &state)
{
    clear(state, narrow());
}
BENCHMARK(BM_ClearNarrow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ClearOneMonth(benchmark::State &state)
{
    clear(state, oneMonth());
}
BENCHMARK(BM_ClearOneMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
