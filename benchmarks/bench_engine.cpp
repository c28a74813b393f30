// The engine layer over a million repair records of 20,000 vehicles: how long a list window's
// query takes to materialize, with and without the owning-unit sub-select, and a sort.
#include "db/DataSet.h"
#include "db/Database.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int Vehicles = 20000;
constexpr int Records = 1000000;

Db &fleet()
{
    static QTemporaryDir dir;
    static Db db;
    if (db.isOpen())
        return db;
    db.create(dir.filePath(QStringLiteral("bench.mdb")));
    db.execScript(QStringLiteral(
        "create table T_cars(F_ID integer primary key autoincrement, F_code text collate nocase,"
        " F_GSoffice text collate nocase, F_useFlag integer);"
        "create table T_WXrec(F_ID integer primary key autoincrement, F_mainID integer,"
        " F_CPcode text collate nocase, F_WXtype text collate nocase, F_WXdate text,"
        " F_WXprice real, F_JSempName text collate nocase, F_WXoffice text collate nocase,"
        " F_memo1 text collate nocase);"
        "create index ix_cars_code on T_cars(F_code);"
        "create index ix_wx_date on T_WXrec(F_WXdate);"));
    Transaction t(db);
    Statement car = db.prepare(QStringLiteral(
        "insert into T_cars(F_code,F_GSoffice,F_useFlag) values(:c,:o,:u)"));
    for (int i = 0; i < Vehicles; ++i)
        car.run({{"c", QStringLiteral("浙A%1").arg(i, 5, 10, QChar(u'0'))},
                 {"o", QStringLiteral("分公司%1").arg(i % 12)},
                 {"u", i % 50 == 0}});
    Statement rec = db.prepare(QStringLiteral(
        "insert into T_WXrec(F_mainID,F_CPcode,F_WXtype,F_WXdate,F_WXprice,F_JSempName,"
        "F_WXoffice,F_memo1) values(:m,:c,:t,:d,:p,:e,:o,:memo)"));
    const QDate start(2024, 1, 1);
    for (int i = 0; i < Records; ++i) {
        const int v = i % Vehicles;
        rec.run({{"m", v + 1},
                 {"c", QStringLiteral("浙A%1").arg(v, 5, 10, QChar(u'0'))},
                 {"t", i % 3 == 0 ? QStringLiteral("大修") : QStringLiteral("保养")},
                 {"d", start.addDays(i % 730).toString(QStringLiteral("yyyy-MM-dd"))},
                 {"p", 100.0 + (i % 997)},
                 {"e", QStringLiteral("司机%1").arg(i % 400)},
                 {"o", QStringLiteral("修理厂%1").arg(i % 30)},
                 {"memo", QString()}});
    }
    t.commit();
    return db;
}

void report(benchmark::State &state, const ResultSet &rows)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = rows.rowCount();
    state.counters["resultMiB"] = double(rows.memoryBytes()) / (1024.0 * 1024.0);
    state.counters["peakRssMiB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_QueryAllRecords(benchmark::State &state)
{
    Db &db = fleet();
    QueryResult r;
    for (auto _ : state)
        r = db.query(QStringLiteral("select * from T_WXrec"));
    report(state, r.rows);
}
BENCHMARK(BM_QueryAllRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QueryOneMonthInServiceAndUnits(benchmark::State &state)
{
    Db &db = fleet();
    QueryResult r;
    for (auto _ : state)
        r = db.query(QStringLiteral(
                         "select * from T_WXrec where (F_CPcode in (select F_code from T_cars where "
                         "F_useFlag = false and F_GSoffice in (:o0,:o1,:o2))) and F_WXdate >= "
                         "#2025-03-01# and F_WXdate <= #2025-03-31# order by F_WXdate"),
                     {{"o0", QStringLiteral("分公司1")},
                      {"o1", QStringLiteral("分公司2")},
                      {"o2", QStringLiteral("李'记")}});
    report(state, r.rows);
}
BENCHMARK(BM_QueryOneMonthInServiceAndUnits)->Unit(benchmark::kMillisecond);

void BM_SortAllRecordsByPlateAndDate(benchmark::State &state)
{
    Db &db = fleet();
    DataSet ds;
    ds.setRows(db.query(QStringLiteral("select * from T_WXrec")).rows);
    for (auto _ : state) {
        ds.setSort(QStringLiteral("F_CPcode ASC,F_WXdate DESC,"));
        ds.setSort(QString());
    }
    report(state, ds.rows());
}
BENCHMARK(BM_SortAllRecordsByPlateAndDate)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
