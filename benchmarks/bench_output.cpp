// The output layer over big grids: the workbook export of a million rows of twenty columns,
// laying out and painting a 100,000-row grid printout in both fit modes, and reports of 1,000
// and 10,000 rows (template expansion and QTextDocument pagination).
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

// 20 columns: 2 integers, 8 texts, 4 dates, 6 money amounts.
ResultSet makeRows(int count)
{
    const QStringList names = {"F_ID",        "F_mainID",   "F_CPcode",     "F_WXtype",
                               "F_JSempName", "F_WXoffice", "F_memo1",      "F_WXmemo1",
                               "F_dept",      "F_GSoffice", "F_WXdate",     "F_NextDate",
                               "F_BuyDate",   "F_FHdate",   "F_WXprice",    "F_GLnum",
                               "F_YLnum",     "F_DJprice",  "F_totalprice", "F_WXdayNum"};
    QStringList types;
    for (int c = 0; c < names.size(); ++c)
        types << (c < 2 ? "INTEGER" : c < 14 ? "TEXT" : "REAL");
    ResultSet rows(names, types);
    rows.reserveRows(count);
    const QDate start(2024, 1, 1);
    QStringList dates;
    for (int d = 0; d < 730; ++d)
        dates << start.addDays(d).toString(QStringLiteral("yyyy-MM-dd"));
    for (int i = 0; i < count; ++i) {
        const int r = rows.appendRow();
        rows.setInteger(r, 0, i + 1);
        rows.setInteger(r, 1, i % 20000 + 1);
        rows.setText(r, 2, QStringLiteral("浙A%1").arg(i * 7919 % 20000, 5, 10, QChar(u'0')));
        rows.setText(r, 3, i % 3 == 0 ? QStringLiteral("大修") : QStringLiteral("保养"));
        rows.setText(r, 4, QStringLiteral("司机%1").arg(i % 400));
        rows.setText(r, 5, QStringLiteral("修理厂%1").arg(i % 30));
        if (i % 5 == 0)
            rows.setText(r, 6, QStringLiteral("更换轮胎，检查制动系统并调整，备注%1").arg(i % 97));
        rows.setText(r, 7, QStringLiteral("说明%1").arg(i % 1000));
        rows.setText(r, 8, QStringLiteral("部门%1").arg(i % 12));
        rows.setText(r, 9, QStringLiteral("分公司%1").arg(i % 8));
        rows.setText(r, 10, dates[(i * 31) % 730]);
        rows.setText(r, 11, i % 4 == 0 ? QStringLiteral("1900-08-14") : dates[(i * 17) % 730]);
        rows.setText(r, 12, dates[i % 730]);
        rows.setText(r, 13, dates[(i * 7) % 730]);
        for (int c = 14; c < 20; ++c)
            rows.setReal(r, c, 100.0 + (i * 13 % 997) + 0.25 * c);
    }
    return rows;
}

std::vector<GridColumn> columns(int count = 20)
{
    const ResultSet header = makeRows(0);
    std::vector<GridColumn> result;
    for (int c = 0; c < count; ++c) {
        GridColumn col;
        col.fieldName = header.columnName(c);
        col.title = c >= 14 ? QStringLiteral("金额|") + col.fieldName : col.fieldName;
        if (c >= 10 && c < 14)
            col.displayFormat = QStringLiteral("yyyy-mm-dd");
        if (c >= 14) {
            col.displayFormat = QStringLiteral("￥,0.00##");
            col.footerType = GridColumn::Footer::Sum;
            col.alignment = Qt::AlignRight | Qt::AlignVCenter;
        }
        result.push_back(col);
    }
    return result;
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
