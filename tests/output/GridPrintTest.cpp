#include "OutputFixture.h"
#include "grids/DataGrid.h"
#include "output/GridPrinter.h"
#include "output/PrintGrid.h"
#include "output/PrintPreviewDialog.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

using namespace outputtest;

namespace {

const QDateTime Clock(QDate(2009, 3, 31), QTime(10, 0));

// Renders the printout to a PDF file and returns its text, pages separated by form feeds.
QString printedText(GridPrinter &printer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.pdf"));
    if (!writePdf(printer, path, QStringLiteral("grid")))
        return QStringLiteral("<no pdf>");
    return pdfText(path);
}

// Runs `act` with an interceptor installed and returns what the preview would have shown.
struct Intercepted {
    int previews = 0;
    QString text;
    int fitMode = -1;
    GridPrinter::Texts texts;
};
Intercepted intercept(const std::function<void()> &act)
{
    Intercepted result;
    const auto previous =
        PrintPreviewDialog::setInterceptor([&](PrintPages &pages, const QString &) {
            ++result.previews;
            auto *printer = dynamic_cast<GridPrinter *>(&pages);
            if (!printer)
                return;
            result.fitMode = printer->fitMode();
            result.texts = printer->texts();
            result.text = printedText(*printer);
        });
    act();
    PrintPreviewDialog::setInterceptor(previous);
    return result;
}

// The rows of a test run once in each fit mode.
void fitModeRows()
{
    QTest::addColumn<int>("fitMode");
    QTest::newRow("fit to width, stretch rows") << 0;
    QTest::newRow("fit by column widths") << 1;
}

} // namespace

class GridPrintTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pageTexts_data();
    void pageTexts();
    void otherFitModesKeepThePreviousOne();
    void printsTitlesHeaderFooterCellsAndSums_data();
    void printsTitlesHeaderFooterCellsAndSums();
    void fitModesWrapOrCutLongTexts();
    void paginatesWithTitlesOnEveryPage_data();
    void paginatesWithTitlesOnEveryPage();
    void gridPrintoutUsesTheGridsTextsAndOrder();
    void previewNavigatesAndExportsPdf();

private:
    bool pdfToolMissing() const { return pdfText(QString()).isNull(); }
};

void GridPrintTest::init()
{
    if (pdfToolMissing())
        QSKIP("pdftotext is not installed");
}

void GridPrintTest::pageTexts_data()
{
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("footerRight");
    QTest::addColumn<QString>("headerLeft");
    QTest::newRow("date") << "date"
                          << ""
                          << "打印日期：2009年03月31日"
                          << "";
    QTest::newRow("own footer and header") << "第一车队"
                                           << "维修记录"
                                           << "第一车队"
                                           << "维修记录";
    QTest::newRow("blank texts stay off") << "   "
                                          << "  "
                                          << ""
                                          << "";
    QTest::newRow("only the exact word") << "dates"
                                         << ""
                                         << "dates"
                                         << "";
}

void GridPrintTest::pageTexts()
{
    QFETCH(QString, footer);
    QFETCH(QString, header);
    QFETCH(QString, footerRight);
    QFETCH(QString, headerLeft);
    TestEnvironment env;
    env.platform().clock = Clock;
    const GridPrinter::Texts texts = gridPrintTexts(QStringLiteral("标题"), footer, header);
    QCOMPARE(texts.title, QStringLiteral("标题"));
    QCOMPARE(texts.footerRight, footerRight);
    QCOMPARE(texts.headerLeft, headerLeft);
}

void GridPrintTest::otherFitModesKeepThePreviousOne()
{
    QCOMPARE(gridPrintFitMode(0), 0);
    QCOMPARE(gridPrintFitMode(7), 0);
    QCOMPARE(gridPrintFitMode(1), 1);
    QCOMPARE(gridPrintFitMode(-1), 1);
}

void GridPrintTest::printsTitlesHeaderFooterCellsAndSums_data()
{
    fitModeRows();
}

void GridPrintTest::printsTitlesHeaderFooterCellsAndSums()
{
    QFETCH(int, fitMode);
    TestEnvironment env;
    env.platform().clock = Clock;
    DataModule &dm = env.connect();
    DataSet data;
    QVERIFY(openSampleRepairs(dm, data));

    const Intercepted shown = intercept([&] {
        PrintGrid(repairColumns(), data, QStringLiteral("车辆维修记录列表"), fitMode,
                  QStringLiteral("date"), QStringLiteral("第一车队"));
    });
    QCOMPARE(shown.previews, 1);
    QCOMPARE(shown.fitMode, fitMode);
    const QString &text = shown.text;
    for (const char *expected :
         {"车辆维修记录列表", "第一车队", "打印日期：2009年03月31日", "车牌", "维修日期", "金额",
          "天数", "粤A12345", "2009-03-01", "￥1,234.50", "-￥5.25", "合计", "￥1,229.25"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // One group cell over both "维修|..." columns; the hidden column and the no-date value stay
    // off the page.
    QCOMPARE(text.count(QStringLiteral("维修")), 4); // title, group, 维修日期, 维修说明
    QVERIFY(!text.contains(QStringLiteral("维修类型")));
    QVERIFY(!text.contains(QStringLiteral("保养")));
    QVERIFY(!text.contains(QStringLiteral("1900-08-14")));
}

void GridPrintTest::fitModesWrapOrCutLongTexts()
{
    ResultSet rows({QStringLiteral("F_code"), QStringLiteral("F_memo1")});
    rows.setText(rows.appendRow(), 0, u"A1");
    const QString memo = QStringLiteral("起点 ") +
                         QString(QStringLiteral("很长的备注文字 ")).repeated(30) +
                         QStringLiteral("终点");
    rows.setText(0, 1, memo);
    DataSet data;
    data.setRows(std::move(rows));
    std::vector<GridColumn> columns{column(QStringLiteral("F_code"), QStringLiteral("编号")),
                                    column(QStringLiteral("F_memo1"), QStringLiteral("备注"))};

    GridPrinter stretched(columns, data, {QStringLiteral("备注")}, GridPrinter::FitStretchRows);
    const QString wrapped = printedText(stretched);
    QVERIFY(wrapped.contains(QStringLiteral("起点")));
    QVERIFY(wrapped.contains(QStringLiteral("终点")));

    GridPrinter cut(columns, data, {QStringLiteral("备注")}, GridPrinter::FitColumnWidths);
    const QString oneLine = printedText(cut);
    QVERIFY(oneLine.contains(QStringLiteral("起点")));
    QVERIFY(!oneLine.contains(QStringLiteral("终点")));
}

void GridPrintTest::paginatesWithTitlesOnEveryPage_data()
{
    fitModeRows();
}

void GridPrintTest::paginatesWithTitlesOnEveryPage()
{
    QFETCH(int, fitMode);
    constexpr int Count = 300;
    ResultSet rows({QStringLiteral("F_CPcode"), QStringLiteral("F_WXprice")}, {"TEXT", "REAL"});
    for (int i = 0; i < Count; ++i) {
        const int row = rows.appendRow();
        rows.setText(row, 0, QStringLiteral("P%1").arg(i + 1, 4, 10, QChar(u'0')));
        rows.setReal(row, 1, 1.5);
    }
    DataSet data;
    data.setRows(std::move(rows));
    std::vector<GridColumn> columns{
        column(QStringLiteral("F_CPcode"), QStringLiteral("车牌")),
        column(QStringLiteral("F_WXprice"), QStringLiteral("金额"), QStringLiteral("0.00"))};
    columns[1].footerType = GridColumn::Footer::Sum;

    GridPrinter printer(columns, data,
                        {QStringLiteral("清单"), QStringLiteral("左上"), QStringLiteral("右下")},
                        fitMode);
    QVERIFY(printer.pageCount() > 2);
    QStringList pages = printedText(printer).split(u'\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    QCOMPARE(pages.size(), printer.pageCount());
    int plates = 0;
    for (const QString &page : pages) {
        QVERIFY(page.contains(QStringLiteral("清单")));
        QVERIFY(page.contains(QStringLiteral("左上")));
        QVERIFY(page.contains(QStringLiteral("右下")));
        QVERIFY(page.contains(QStringLiteral("车牌")));
        plates += page.count(QStringLiteral("P0"));
    }
    QCOMPARE(plates, Count); // every row once, none lost at a page break
    QVERIFY(pages.first().contains(QStringLiteral("P0001")));
    QVERIFY(pages.last().contains(QStringLiteral("P0300")));
    QVERIFY(pages.last().contains(QStringLiteral("450.00")));
    QVERIFY(!pages.first().contains(QStringLiteral("450.00")));
}

void GridPrintTest::gridPrintoutUsesTheGridsTextsAndOrder()
{
    TestEnvironment env;
    env.platform().clock = Clock;
    DataModule &dm = env.connect();
    DataSet data;
    QVERIFY(openSampleRepairs(dm, data));
    DataGrid grid;
    grid.setDataSet(&data);
    grid.setColumns(repairColumns());
    grid.setCellTextHook([&grid](int row, int column) {
        const QString text = grid.defaultCellText(row, column);
        return grid.columnAt(column).fieldName == QLatin1String("F_CPcode") ? text + u'*' : text;
    });

    const Intercepted shown = intercept(
        [&] { PrintGrid(&grid, QStringLiteral("清单"), 1, QStringLiteral("date"), QString()); });
    QCOMPARE(shown.previews, 1);
    QVERIFY(shown.text.contains(QStringLiteral("粤A12345*")));
    QVERIFY(shown.text.contains(QStringLiteral("￥1,229.25")));
    QCOMPARE(shown.texts.footerRight, QStringLiteral("打印日期：2009年03月31日"));
    QVERIFY(shown.texts.headerLeft.isEmpty());
}

void GridPrintTest::previewNavigatesAndExportsPdf()
{
    TestEnvironment env;
    ResultSet rows({QStringLiteral("F_CPcode")});
    for (int i = 0; i < 200; ++i)
        rows.setText(rows.appendRow(), 0, QStringLiteral("P%1").arg(i));
    DataSet data;
    data.setRows(std::move(rows));
    GridPrinter printer({column(QStringLiteral("F_CPcode"), QStringLiteral("车牌"))}, data,
                        {QStringLiteral("清单")}, 1);
    PrintPreviewDialog dialog(printer, QStringLiteral("清单"));
    dialog.show();
    const int pages = dialog.pageCount();
    QVERIFY(pages > 1);
    auto trigger = [&](const char *name) {
        auto *action = dialog.findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    };
    trigger("actLast");
    QCOMPARE(dialog.currentPage(), pages);
    QVERIFY(!dialog.findChild<QAction *>(QStringLiteral("actNext"))->isEnabled());
    trigger("actPrior");
    QCOMPARE(dialog.currentPage(), pages - 1);
    trigger("actFirst");
    QCOMPARE(dialog.currentPage(), 1);
    QVERIFY(!dialog.findChild<QAction *>(QStringLiteral("actPrior"))->isEnabled());

    // Landscape holds fewer rows per page.
    trigger("actLandscape");
    QVERIFY(dialog.pageCount() > pages);
    trigger("actPortrait");
    QCOMPARE(dialog.pageCount(), pages);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("清单"));
    env.platform().files.enqueue(path);
    trigger("actPdf");
    QCOMPARE(env.platform().dialogs.size(), 1);
    QCOMPARE(env.platform().dialogs[0].what, QStringLiteral("save"));
    const QString text = pdfText(path + QStringLiteral(".pdf"));
    QVERIFY(text.contains(QStringLiteral("P199")));
    QCOMPARE(text.count(u'\f'), pages);

    // A cancelled file dialog writes nothing and shows nothing.
    trigger("actPdf");
    QVERIFY(env.platform().shown.isEmpty());
}

ORV_TEST(GridPrintTest)
#include "GridPrintTest.moc"
