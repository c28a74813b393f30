// The output layer over big grids: the workbook export of a million rows of twenty columns,
// laying out and painting a 100,000-row grid printout in both fit modes, and reports of 1,000
// and 10,000 rows (template expansion and QTextDocument pagination).
#include "BenchData.h"
#include "GuiBenchmarkMain.h"
#include "db/DataSet.h"
#include "output/GridPrinter.h"
#include "output/ReportPages.h"
#include "output/ReportTemplate.h"
#include "output/WorkbookWriter.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// Every fifth memo long enough to wrap in a printout.
ResultSet makeRows(int count)
{
    return benchdata::repairRows(count, QStringLiteral("更换轮胎，检查制动系统并调整，备注%1"),
                                 [](ResultSet &rows, int r, int i) {
                                     for (int c = 14; c < 20; ++c)
                                         rows.setReal(r, c, 100.0 + (i * 13 % 997) + 0.25 * c);
                                 });
}

std::vector<GridColumn> columns(int count = 20)
{
    return benchdata::repairColumns(count, QStringLiteral("yyyy-mm-dd"));
}

DataSet &dataSet(int rows)
{
    static std::map<int, std::unique_ptr<DataSet>> sets;
    auto &set = sets[rows];
    if (!set) {
        set = std::make_unique<DataSet>();
        set->setRows(makeRows(rows));
    }
    return *set;
}

void report(benchmark::State &state, int rows)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = rows;
    state.counters["peakRssMiB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_ExportWorkbook(benchmark::State &state)
{
    const int rows = int(state.range(0));
    DataSet &data = dataSet(rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.xlsx"));
    for (auto _ : state) {
        if (!WorkbookWriter::write(path, QStringLiteral("车辆维修记录"), columns(), data))
            state.SkipWithError("export failed");
    }
    state.counters["fileMiB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    report(state, rows);
}
BENCHMARK(BM_ExportWorkbook)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Pagination of the whole printout, then painting its first and last pages.
void BM_GridPrintout(benchmark::State &state)
{
    const int rows = int(state.range(0));
    const int fitMode = int(state.range(1));
    DataSet &data = dataSet(rows);
    QImage page(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    int pages = 0;
    for (auto _ : state) {
        GridPrinter printer(columns(10), data, {QStringLiteral("车辆维修记录列表")}, fitMode);
        pages = printer.pageCount();
        QPainter painter(&page);
        painter.scale(150.0 / PrintPages::DotsPerInch, 150.0 / PrintPages::DotsPerInch);
        printer.paintPage(painter, 0);
        printer.paintPage(painter, pages - 1);
    }
    state.counters["pages"] = pages;
    report(state, rows);
}
BENCHMARK(BM_GridPrintout)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_Report(benchmark::State &state)
{
    const int rows = int(state.range(0));
    DataSet &data = dataSet(rows);
    const QString source = QStringLiteral("<html><head><title>车辆维修记录</title></head><body>"
                                          "<p>{{sCurKHname}}</p>{{table}}<p>{{PrintDate}}</p>"
                                          "</body></html>");
    const std::vector<GridColumn> shown = columns(10);
    int pages = 0;
    for (auto _ : state) {
        const ReportData report{&data, shown, nullptr};
        ReportPages printed(ReportTemplate::renderParts(source, report), report);
        pages = printed.pageCount();
        QImage page(1240, 1754, QImage::Format_RGB32);
        QPainter painter(&page);
        painter.scale(150.0 / PrintPages::DotsPerInch, 150.0 / PrintPages::DotsPerInch);
        printed.paintPage(painter, pages - 1);
    }
    state.counters["pages"] = pages;
    report(state, rows);
}
BENCHMARK(BM_Report)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
