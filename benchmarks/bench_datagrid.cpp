// The DataGrid over a million rows of twenty columns (texts, numbers, dates): opening (rows into
// the data set and the model reset), scrolling (the texts of a screenful at many offsets, and
// painting it), client-side sorts by one and two keys, and footer sums.
#include "BenchData.h"
#include "GuiBenchmarkMain.h"
#include "db/DataSet.h"
#include "grids/DataGrid.h"
#include "grids/GridModel.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr int Rows = 1000000;
constexpr int ScreenRows = 40;

const ResultSet &million()
{
    static const ResultSet rows = benchdata::repairRows(
        Rows, QStringLiteral("更换轮胎，备注%1"), [](ResultSet &set, int r, int i) {
            set.setReal(r, 14, 100.0 + (i * 13 % 997) + 0.25);
            set.setReal(r, 15, i % 5000);
            set.setReal(r, 16, (i % 80) * 0.5);
            set.setReal(r, 17, 7.35 + (i % 10) * 0.01);
            set.setReal(r, 18, (i % 80) * 0.5 * 7.4);
            set.setReal(r, 19, i % 9);
        });
    return rows;
}

// One grid over one data set, opened once and shared by the benchmarks after the first.
struct Fixture {
    DataSet dataSet;
    DataGrid grid;
    Fixture()
    {
        grid.setColumns(benchdata::repairColumns());
        grid.setDataSet(&dataSet);
        grid.resize(1200, 800);
        grid.show();
        dataSet.setRows(million());
        QApplication::processEvents();
    }
};

Fixture &fixture()
{
    return benchdata::guiFixture<Fixture>();
}

// Resident memory now (peak memory is ru_maxrss).
double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

// resultMiB: one copy of the rows. The benchmark holds a master copy besides the data set's, and
// opening moves a third copy in, so peakRssMiB counts the rows three times.
void report(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rssMiB"] = residentMiB();
    state.counters["rows"] = million().rowCount();
    state.counters["resultMiB"] = double(million().memoryBytes()) / (1024.0 * 1024.0);
    state.counters["peakRssMiB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_BuildResultSet(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(million().rowCount());
    report(state);
}
BENCHMARK(BM_BuildResultSet)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenIntoGrid(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        ResultSet copy = million();
        state.ResumeTiming();
        f.dataSet.setRows(std::move(copy)); // model reset, current row, footer invalidated
        QApplication::processEvents();
    }
    report(state);
}
BENCHMARK(BM_OpenIntoGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScreenfulOfTexts(benchmark::State &state)
{
    Fixture &f = fixture();
    const GridModel *model = f.grid.model();
    int offset = 0;
    for (auto _ : state) {
        offset = (offset + 104729) % (Rows - ScreenRows);
        for (int r = offset; r < offset + ScreenRows; ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                benchmark::DoNotOptimize(model->index(r, c).data(Qt::DisplayRole));
    }
    state.SetItemsProcessed(state.iterations() * ScreenRows * model->columnCount());
    report(state);
}
BENCHMARK(BM_ScreenfulOfTexts)->Unit(benchmark::kMicrosecond);

void BM_ScrollAndPaint(benchmark::State &state)
{
    Fixture &f = fixture();
    QTableView *view = f.grid.view();
    QScrollBar *bar = view->verticalScrollBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + 104729) % std::max(1, bar->maximum());
        bar->setValue(value);
        benchmark::DoNotOptimize(view->viewport()->grab());
    }
    report(state);
}
BENCHMARK(BM_ScrollAndPaint)->Unit(benchmark::kMillisecond);

void BM_SortOneTextKey(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        f.grid.sortRows(QStringLiteral("F_CPcode ASC"));
        state.PauseTiming();
        f.grid.sortRows(QString());
        state.ResumeTiming();
    }
    report(state);
}
BENCHMARK(BM_SortOneTextKey)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortOneNumberKey(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        f.grid.sortRows(QStringLiteral("F_WXprice DESC"));
        state.PauseTiming();
        f.grid.sortRows(QString());
        state.ResumeTiming();
    }
    report(state);
}
BENCHMARK(BM_SortOneNumberKey)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortTwoKeys(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        f.grid.sortRows(QStringLiteral("F_CPcode ASC,F_WXdate DESC,"));
        state.PauseTiming();
        f.grid.sortRows(QString());
        state.ResumeTiming();
    }
    report(state);
}
BENCHMARK(BM_SortTwoKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TitleClickSort(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        f.grid.clickTitle(10); // F_WXdate, ascending and descending in turn
    report(state);
}
BENCHMARK(BM_TitleClickSort)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_FooterSumsAfterAChange(benchmark::State &state)
{
    Fixture &f = fixture();
    const int price = f.dataSet.fieldIndex(u"F_WXprice");
    double v = 1.0;
    for (auto _ : state) {
        f.dataSet.setValue(0, price, v += 1.0); // content changed: six sums recomputed
        for (int c = 14; c < 20; ++c)
            benchmark::DoNotOptimize(f.grid.footerText(c));
    }
    report(state);
}
BENCHMARK(BM_FooterSumsAfterAChange)->Unit(benchmark::kMillisecond);

void BM_FooterSumsCached(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        for (int c = 14; c < 20; ++c)
            benchmark::DoNotOptimize(f.grid.footerText(c));
    report(state);
}
BENCHMARK(BM_FooterSumsCached)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
