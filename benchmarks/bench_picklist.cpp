// The plate drop-down of the editors over 20,000 vehicles: the first fill of a box, a refill of a
// full one (every time the operator enters it), and choosing a plate in it.
#include "BenchData.h"
#include "BenchDatabase.h"
#include "GuiBenchmarkMain.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

const QString PlatesSql =
    QStringLiteral("select F_code from T_cars where F_code <> '' order by F_code");

QString plate(int v)
{
    return QStringLiteral("浙A%1").arg(v, 5, 10, QChar(u'0'));
}

// A seeded database with the vehicles' plates.
struct Fixture : benchdata::SeededDatabase {
    Fixture()
    {
        Transaction transaction(db());
        Statement insert = db().prepare(QStringLiteral("insert into T_cars(F_code) values(:c)"));
        for (int v = 0; v < benchdata::Vehicles; ++v)
            insert.run({{"c", plate(v)}});
        transaction.commit();
    }
};

Fixture &fixture()
{
    return benchdata::guiFixture<Fixture>();
}

// Editable (0) or list-only (1), as the editors make their boxes.
std::unique_ptr<QComboBox> pickBox(const benchmark::State &state)
{
    auto box = std::make_unique<QComboBox>();
    if (state.range(0) == 0)
        makeEditablePickBox(box.get());
    else
        makeListOnlyPickBox(box.get());
    return box;
}

void report(benchmark::State &state, const QComboBox &box)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["items"] = box.count();
    state.counters["peakRssMiB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_FirstFill(benchmark::State &state)
{
    fixture();
    std::unique_ptr<QComboBox> box;
    for (auto _ : state) {
        state.PauseTiming();
        box = pickBox(state);
        state.ResumeTiming();
        FillPickList(PlatesSql, box.get());
    }
    report(state, *box);
}
BENCHMARK(BM_FirstFill)->Unit(benchmark::kMillisecond)->ArgName("listOnly")->Arg(0)->Arg(1);

void BM_Refill(benchmark::State &state)
{
    fixture();
    std::unique_ptr<QComboBox> box = pickBox(state);
    FillPickList(PlatesSql, box.get());
    SelectPickListItem(plate(12345), box.get());
    for (auto _ : state)
        FillPickList(PlatesSql, box.get());
    report(state, *box);
}
BENCHMARK(BM_Refill)->Unit(benchmark::kMillisecond)->ArgName("listOnly")->Arg(0)->Arg(1);

// The search runs from the end: the last plate is the nearest, a plate not in the list the
// farthest (every item compared).
void select(benchmark::State &state, const QString &value)
{
    fixture();
    std::unique_ptr<QComboBox> box = pickBox(state);
    FillPickList(PlatesSql, box.get());
    for (auto _ : state) {
        state.PauseTiming();
        box->setCurrentIndex(0);
        state.ResumeTiming();
        SelectPickListItem(value, box.get());
    }
    state.counters["selected"] = box->currentIndex(); // 0: the empty item, nothing matched
    report(state, *box);
}

void BM_SelectLastPlate(benchmark::State &state)
{
    select(state, QStringLiteral(" 浙a%1 ").arg(benchdata::Vehicles - 1));
}
BENCHMARK(BM_SelectLastPlate)->Unit(benchmark::kMicrosecond)->ArgName("listOnly")->Arg(0)->Arg(1);

void BM_SelectMissingPlate(benchmark::State &state)
{
    select(state, QStringLiteral("沪B00001"));
}
BENCHMARK(BM_SelectMissingPlate)
    ->Unit(benchmark::kMicrosecond)
    ->ArgName("listOnly")
    ->Arg(0)
    ->Arg(1);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
