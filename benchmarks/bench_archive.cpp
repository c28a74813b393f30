// The vehicle archive over a demo fleet of 20,000 vehicles with about a million records: opening
// the window, a new search, a move to the next vehicle (the shown record page read again) and a
// choice of another record page.
#include "GuiBenchmarkMain.h"

#include "app/DataModule.h"
#include "app/Passwords.h"
#include "archive/VehicleArchiveWindow.h"
#include "db/DemoData.h"
#include "forms/DetailPages.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct Fleet {
    QTemporaryDir dir;
    DataModule module;
    qint64 records = 0;
    Fleet()
    {
        const QString path = dir.filePath(QStringLiteral("OrvCARs.mdb"));
        DemoOptions options;
        options.vehicles = 20000;
        options.months = 12;
        options.today = QDate(2024, 12, 31);
        SeedReport counts;
        QString error;
        if (!DemoData::create(DatabaseCreator(SavePass(QString())), path, options, &counts,
                              &error) ||
            !module.connectTo(path, &error)) {
            std::fprintf(stderr, "demo fleet: %s\n", qPrintable(error));
            std::exit(1);
        }
        for (const auto &[table, rows] : counts)
            if (table.endsWith(QLatin1String("rec"), Qt::CaseInsensitive))
                records += rows;
    }
};

Fleet &fleet()
{
    static Fleet f;
    return f;
}

void report(benchmark::State &state, VehicleArchiveWindow &archive)
{
    state.counters["vehicles"] = archive.rows()->rowCount();
    state.counters["records"] = double(fleet().records);
}

void BM_OpenArchive(benchmark::State &state)
{
    fleet();
    std::unique_ptr<VehicleArchiveWindow> archive;
    for (auto _ : state) {
        archive = std::make_unique<VehicleArchiveWindow>();
        archive->show();
        state.PauseTiming();
        archive.reset();
        state.ResumeTiming();
    }
    archive = std::make_unique<VehicleArchiveWindow>();
    archive->show();
    report(state, *archive);
}
BENCHMARK(BM_OpenArchive)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Search(benchmark::State &state)
{
    fleet();
    VehicleArchiveWindow archive;
    archive.show();
    auto *find = archive.findChild<QPushButton *>(QStringLiteral("bbFind"));
    for (auto _ : state)
        find->click();
    report(state, archive);
}
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_NextVehicle(benchmark::State &state)
{
    fleet();
    VehicleArchiveWindow archive;
    archive.show();
    for (auto _ : state) {
        archive.rows()->next();
        if (archive.rows()->eof())
            archive.rows()->first();
    }
    report(state, archive);
}
BENCHMARK(BM_NextVehicle)->Unit(benchmark::kMicrosecond);

void BM_ChoosePage(benchmark::State &state)
{
    fleet();
    VehicleArchiveWindow archive;
    archive.show();
    int page = 0;
    for (auto _ : state)
        archive.details()->showPage(++page % archive.details()->pageCount());
    report(state, archive);
}
BENCHMARK(BM_ChoosePage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
