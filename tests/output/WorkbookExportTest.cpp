#include "OutputFixture.h"
#include "XlsxReader.h"
#include "grids/DataGrid.h"
#include "output/ExcelNumberFormat.h"
#include "output/ExportGridToExcel.h"
#include "output/WorkbookWriter.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace outputtest;

class WorkbookExportTest : public QObject {
    Q_OBJECT
private slots:
    void numberFormats_data();
    void numberFormats();
    void sheetNames_data();
    void sheetNames();
    void writesTitlesCellsAndFormats();
    void writesTimesAndKeepsTextThatIsNoDate();
    void opensTheWrittenWorkbook();
    void reportsWhenTheWorkbookCannotBeOpened();
    void unwritablePathFailsWithoutAFile();
    void gridExportFollowsScreenOrder();
    void bigExportsRunBehindAProgressBoxThatCancels();
};

void WorkbookExportTest::numberFormats_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("excel");
    QTest::newRow("money") << "￥,0.00##"
                           << "\"￥\"#,##0.00##";
    QTest::newRow("quantity") << "0.##"
                              << "0.##";
    QTest::newRow("point without decimals") << "0."
                                            << "0";
    QTest::newRow("money without decimals") << "￥,0."
                                            << "\"￥\"#,##0";
    QTest::newRow("grouped") << "#,##0.00"
                             << "#,##0.00";
    QTest::newRow("negative section") << "￥,0.00##;-￥,0.00##"
                                      << "\"￥\"#,##0.00##;-\"￥\"#,##0.00##";
    QTest::newRow("empty negative section") << "0.00;"
                                            << "0.00;-0.00";
    QTest::newRow("empty zero section") << "0.00;(0.00);"
                                        << "0.00;(0.00);0.00";
    QTest::newRow("percent stays text") << "0.00'%'"
                                        << "0.00\"%\"";
    QTest::newRow("unit text") << "0.00 元"
                               << "0.00 \"元\"";
    QTest::newRow("date") << "yyyy-mm-dd"
                          << "yyyy-mm-dd";
    QTest::newRow("chinese date") << "yyyy年mm月dd日"
                                  << "yyyy\"年\"mm\"月\"dd\"日\"";
    QTest::newRow("time with n") << "hh:nn:ss"
                                 << "hh:mm:ss";
    QTest::newRow("date and time") << "yyyy-mm-dd hh:mm"
                                   << "yyyy-mm-dd hh:mm";
    QTest::newRow("none") << "  "
                          << "";
}

void WorkbookExportTest::numberFormats()
{
    QFETCH(QString, display);
    QFETCH(QString, excel);
    QCOMPARE(ExcelNumberFormat::fromDisplayFormat(display), excel);
}

void WorkbookExportTest::sheetNames_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "车辆维修记录"
                           << "车辆维修记录";
    QTest::newRow("forbidden characters") << "a[b]c:d*e?f/g\\h"
                                          << "a_b_c_d_e_f_g_h";
    QTest::newRow("too long") << QString(40, u'车') << QString(31, u'车');
    QTest::newRow("apostrophes at the ends") << "'记录'"
                                             << "记录";
    QTest::newRow("empty") << ""
                           << "Sheet1";
}

void WorkbookExportTest::sheetNames()
{
    QFETCH(QString, requested);
    QFETCH(QString, expected);
    QCOMPARE(WorkbookWriter::sheetName(requested), expected);
}

void WorkbookExportTest::writesTitlesCellsAndFormats()
{
    TestEnvironment env;
    DataModule &dm = env.connect();
    DataSet data;
    QVERIFY(openSampleRepairs(dm, data));
    data.last();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    QString error;
    QVERIFY2(
        WorkbookWriter::write(path, QStringLiteral("车辆维修记录"), repairColumns(), data, &error),
        qPrintable(error));
    const XlsxReader book(path);
    QVERIFY(book.isValid());
    QCOMPARE(book.sheetName(), QStringLiteral("车辆维修记录"));
    QCOMPARE(book.rowCount(), 3);

    // Titles at their grid positions; the hidden column leaves B empty.
    QCOMPARE(book.text("A1"), QStringLiteral("车牌"));
    QVERIFY(!book.has("B1"));
    QCOMPARE(book.text("C1"), QStringLiteral("维修日期"));
    QCOMPARE(book.text("D1"), QStringLiteral("维修|金额"));
    QCOMPARE(book.text("G1"), QStringLiteral("备注"));
    QVERIFY(!book.has("B2") && !book.has("B3"));

    // Texts under the text format, leading zeros kept.
    QCOMPARE(book.text("A2"), QStringLiteral("粤A12345"));
    QCOMPARE(book.numberFormat("A2"), QStringLiteral("@"));
    QCOMPARE(book.text("A3"), QStringLiteral("0012"));
    QVERIFY(book.kind("A3") != QLatin1String("n"));
    QCOMPARE(book.text("G3"), QStringLiteral("a<b & \"c\""));

    // Dates as dates (2009-03-01 is day 39873), the no-date value left empty.
    QCOMPARE(book.kind("C2"), QStringLiteral("n"));
    QCOMPARE(book.number("C2"), 39873.0);
    QCOMPARE(book.numberFormat("C2"), QStringLiteral("yyyy-mm-dd"));
    QVERIFY(!book.has("C3"));
    QVERIFY(!book.has("F2")); // "1900-08-14" in a text column too

    // Numbers as numbers under their translated formats, also from a text field.
    QCOMPARE(book.kind("D2"), QStringLiteral("n"));
    QCOMPARE(book.number("D2"), 1234.5);
    QCOMPARE(book.number("D3"), -5.25);
    QCOMPARE(book.numberFormat("D2"), QStringLiteral("\"￥\"#,##0.00##"));
    QCOMPARE(book.kind("E3"), QStringLiteral("n"));
    QCOMPARE(book.number("E3"), 0.5);
    QCOMPARE(book.numberFormat("E3"), QStringLiteral("0.##"));
    QCOMPARE(book.text("F3"), QStringLiteral("轮胎"));

    // The export leaves the data set where it was.
    QCOMPARE(data.currentRow(), 1);
}

void WorkbookExportTest::writesTimesAndKeepsTextThatIsNoDate()
{
    ResultSet rows({QStringLiteral("F_when"), QStringLiteral("F_time"), QStringLiteral("F_odd")});
    const int row = rows.appendRow();
    rows.setText(row, 0, u"2009-03-01 12:00:00");
    rows.setText(row, 1, u"12:30:00");
    rows.setText(row, 2, u"未定");
    DataSet data;
    data.setRows(std::move(rows));
    const std::vector<GridColumn> columns{
        column(QStringLiteral("F_when"), QStringLiteral("时间"),
               QStringLiteral("yyyy-mm-dd hh:nn")),
        column(QStringLiteral("F_time"), QStringLiteral("时刻"), QStringLiteral("hh:nn:ss")),
        column(QStringLiteral("F_odd"), QStringLiteral("日期"), QStringLiteral("yyyy-mm-dd"))};

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("times.xlsx"));
    QVERIFY(WorkbookWriter::write(path, QStringLiteral("t"), columns, data));
    const XlsxReader book(path);
    QCOMPARE(book.number("A2"), 39873.5);
    QCOMPARE(book.numberFormat("A2"), QStringLiteral("yyyy-mm-dd hh:mm"));
    QCOMPARE(book.number("B2"), 0.5 + 1.0 / 48);
    QCOMPARE(book.numberFormat("B2"), QStringLiteral("hh:mm:ss"));
    // A text that is no date stays text under a date format.
    QVERIFY(book.kind("C2") != QLatin1String("n"));
    QCOMPARE(book.text("C2"), QStringLiteral("未定"));
}

void WorkbookExportTest::opensTheWrittenWorkbook()
{
    TestEnvironment env;
    DataModule &dm = env.connect();
    DataSet data;
    QVERIFY(openSampleRepairs(dm, data));

    const QString path =
        ExportGridToExcel(repairColumns(), data, QStringLiteral("车辆维修记录"), true);
    QVERIFY(!path.isEmpty());
    QCOMPARE(env.platform().openedUrls, QList<QUrl>{QUrl::fromLocalFile(path)});
    QVERIFY(env.platform().shown.isEmpty());
    QVERIFY(path.startsWith(exportFolder()));
    QCOMPARE(XlsxReader(path).text("A2"), QStringLiteral("粤A12345"));

    // A second export in the same second gets a file of its own.
    const QString again =
        ExportGridToExcel(repairColumns(), data, QStringLiteral("车辆维修记录"), false);
    QVERIFY(!again.isEmpty() && again != path);
    QCOMPARE(env.platform().openedUrls.size(), 1);
    QFile::remove(path);
    QFile::remove(again);
}

void WorkbookExportTest::reportsWhenTheWorkbookCannotBeOpened()
{
    TestEnvironment env;
    env.platform().openUrlSucceeds = false;
    DataSet data;
    const QString path = ExportGridToExcel(repairColumns(), data, QStringLiteral("记录"), true);
    // The workbook is written all the same, and the message says where it is.
    QVERIFY(!path.isEmpty());
    QVERIFY(QFile::exists(path));
    QCOMPARE(env.platform().shown.size(), 1);
    QCOMPARE(env.platform().shown[0].caption, QStringLiteral("错误"));
    QCOMPARE(env.platform().shown[0].text,
             QStringLiteral("系统中的MS Excel软件没有安装或安装不正确！\n工作簿已保存为：") +
                 QDir::toNativeSeparators(path));
    QCOMPARE(env.platform().shown[0].kind, Platform::MessageKind::Error);
    QFile::remove(path);
}

void WorkbookExportTest::unwritablePathFailsWithoutAFile()
{
    DataSet data;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/folder/out.xlsx"));
    QString error;
    QVERIFY(!WorkbookWriter::write(path, QStringLiteral("x"), repairColumns(), data, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void WorkbookExportTest::gridExportFollowsScreenOrder()
{
    TestEnvironment env;
    DataModule &dm = env.connect();
    DataSet data;
    QVERIFY(openSampleRepairs(dm, data));
    data.setSort(QStringLiteral("F_WXprice ASC"));

    DataGrid grid;
    grid.setDataSet(&data);
    std::vector<GridColumn> columns = repairColumns();
    std::swap(columns[0], columns[3]); // the operator moved the money column to the front
    grid.setColumns(columns);

    const QString path = ExportGridToExcel(&grid, QStringLiteral("车辆维修记录"), true);
    QVERIFY(!path.isEmpty());
    const XlsxReader book(path);
    QCOMPARE(book.text("A1"), QStringLiteral("维修|金额"));
    QCOMPARE(book.text("D1"), QStringLiteral("车牌"));
    // Rows in the grid's sort order.
    QCOMPARE(book.number("A2"), -5.25);
    QCOMPARE(book.text("D2"), QStringLiteral("0012"));
    QFile::remove(path);
}

void WorkbookExportTest::bigExportsRunBehindAProgressBoxThatCancels()
{
    TestEnvironment env;
    auto codes = [](int count) {
        ResultSet rows({QStringLiteral("F_code"), QStringLiteral("F_price")}, {"TEXT", "REAL"});
        for (int i = 0; i < count; ++i) {
            const int row = rows.appendRow();
            rows.setText(row, 0, QStringLiteral("C%1").arg(i));
            rows.setReal(row, 1, i * 0.5);
        }
        return rows;
    };
    const std::vector<GridColumn> columns{
        column(QStringLiteral("F_code"), QStringLiteral("编号")),
        column(QStringLiteral("F_price"), QStringLiteral("金额"), QStringLiteral("0.00"))};

    DataSet big;
    big.setRows(codes(BackgroundExportRows + 10));
    const QString path = ExportGridToExcel(columns, big, QStringLiteral("大表"), true);
    QVERIFY(!path.isEmpty());
    const XlsxReader book(path);
    QCOMPARE(book.rowCount(), BackgroundExportRows + 11);
    QCOMPARE(book.text(QStringLiteral("A%1").arg(BackgroundExportRows + 11)),
             QStringLiteral("C%1").arg(BackgroundExportRows + 9));
    QFile::remove(path);

    // Cancelling shows nothing, opens nothing and leaves no file.
    DataSet huge;
    huge.setRows(codes(400000));
    bool asked = false;
    orvtest::whenModalNamed(QStringLiteral("exportProgress"), [&](QWidget *box) {
        asked = true;
        auto *cancel = box->findChild<QPushButton *>();
        QVERIFY(cancel);
        cancel->click();
    });
    const int before = QDir(exportFolder()).count();
    QVERIFY(ExportGridToExcel(columns, huge, QStringLiteral("大表"), true).isEmpty());
    QVERIFY(asked);
    QVERIFY(env.platform().shown.isEmpty());
    QCOMPARE(env.platform().openedUrls.size(), 1);
    QCOMPARE(QDir(exportFolder()).count(), before);
}

ORV_TEST(WorkbookExportTest)
#include "WorkbookExportTest.moc"
