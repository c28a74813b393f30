#include "OutputFixture.h"
#include "app/Globals.h"
#include "output/PrintPreviewDialog.h"
#include "output/PrintReport.h"
#include "output/ReportPages.h"
#include "output/ReportTables.h"
#include "output/ReportTemplate.h"
#include "output/ReportValueProvider.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace outputtest;

namespace {

struct Answers : ReportValueProvider {
    QMap<QString, QString> values;
    QStringList asked;
    QString reportValue(const QString &name) override
    {
        asked << name;
        return values.value(name);
    }
};

// Repairs in a database of their own, sorted as a window would have them.
struct Repairs {
    TestEnvironment env;
    DataSet data;
    Repairs()
    {
        env.platform().clock = QDateTime(QDate(2009, 3, 31), QTime(9, 0));
        Globals::CompanyName = QStringLiteral("澄舟运输公司");
        DataModule &dm = env.connect();
        if (!openSampleRepairs(dm, data))
            qFatal("no repairs");
    }
    QString render(const QString &source, ReportValueProvider *provider = nullptr,
                   std::vector<GridColumn> columns = repairColumns())
    {
        return ReportTemplate::render(source, ReportData{&data, std::move(columns), provider});
    }
    void writeTemplate(const QString &name, const QString &text)
    {
        QDir().mkpath(env.path(QStringLiteral("Qr")));
        QFile file(env.path(QStringLiteral("Qr/%1.html").arg(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            qFatal("cannot write a template");
    }
    // The shipped default templates, as the build puts them beside the program.
    void installShippedTemplates()
    {
        const QDir shipped =
            QFileInfo(QFINDTESTDATA("../../resources/Qr/_standard.html")).absoluteDir();
        QDir().mkpath(env.path(QStringLiteral("Qr")));
        for (const QString &name : shipped.entryList({QStringLiteral("*.html")}, QDir::Files))
            QFile::copy(shipped.filePath(name), env.path(QStringLiteral("Qr/") + name));
    }
};

struct Shown {
    int previews = 0;
    QString title;
    int pages = 0;
    QString pdf; // the text of the pages written as PDF
    QString plain;
};
// pdftotext drops the blanks between Chinese characters; compare without any.
QString squeezed(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

Shown intercept(const std::function<void()> &act)
{
    Shown shown;
    const auto previous =
        PrintPreviewDialog::setInterceptor([&](PrintPages &pages, const QString &title) {
            ++shown.previews;
            shown.title = title;
            shown.pages = pages.pageCount();
            if (auto *report = dynamic_cast<ReportPages *>(&pages))
                shown.plain = report->plainText();
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("report.pdf"));
            if (writePdf(pages, path, title))
                shown.pdf = pdfText(path);
        });
    act();
    PrintPreviewDialog::setInterceptor(previous);
    return shown;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void variablesComeFromTheWindow();
    void rowBlockRepeatsOverTheRowsInOrder();
    void sumsAndFieldsOutsideTheRowBlock();
    void brokenTagsNeverFail_data();
    void brokenTagsNeverFail();
    void includesSharedParts();
    void tableShowsGridTitlesAndTotals();
    void printReportDoesNothingForAnEmptyDataSet();
    void missingTemplateGivesAnEmptyReport();
    void printsTheDefaultTemplate();
    void longReportsRepeatTitlesOnEveryPage();
    void cardsShowEveryRecord();
    void everyShippedTemplateRenders_data();
    void everyShippedTemplateRenders();
};

void ReportTest::variablesComeFromTheWindow()
{
    Repairs repairs;
    Answers answers;
    answers.values.insert(QStringLiteral("memoDate"),
                          QStringLiteral("维修日期：自 2009年03月01日 至 2009年03月31日"));
    answers.values.insert(QStringLiteral("memoCaption"), QStringLiteral("<第一车队>"));
    const QString html = repairs.render(
        QStringLiteral("<title>维修 &amp; 保养</title>{{memoDate}}|{{memoCaption}}|{{sCurKHname}}|"
                       "{{nothing}}|{{title}}|{{PrintDate}}|{{RowCount}}"),
        &answers);
    QCOMPARE(html, QStringLiteral("<title>维修 &amp; 保养</title>"
                                  "维修日期：自 2009年03月01日 至 2009年03月31日|&lt;第一车队&gt;|"
                                  "澄舟运输公司||维修 &amp; 保养|2009年03月31日|2"));
    // Each variable is asked once, whatever the number of rows.
    QCOMPARE(answers.asked.count(QStringLiteral("memoDate")), 1);

    // The window's answer wins over the company name.
    answers.values.insert(QStringLiteral("sCurKHname"), QStringLiteral("第二公司"));
    QCOMPARE(repairs.render(QStringLiteral("{{sCurKHname}}"), &answers),
             QStringLiteral("第二公司"));
}

void ReportTest::rowBlockRepeatsOverTheRowsInOrder()
{
    Repairs repairs;
    repairs.data.setSort(QStringLiteral("F_WXprice ASC"));
    const QString html = repairs.render(QStringLiteral(
        "<table>{{#rows}}<tr><td>{{RowNo}}</td><td>{{F_CPcode}}</td><td>{{f_wxprice}}"
        "</td><td>{{F_WXprice|0.0}}</td><td>{{F_WXdate}}</td><td>{{F_memo1}}</td>"
        "</tr>{{/rows}}</table>"));
    QCOMPARE(html,
             QStringLiteral("<table>"
                            "<tr><td>1</td><td>0012</td><td>-￥5.25</td><td>-5.3</td><td></td>"
                            "<td>a&lt;b &amp; &quot;c&quot;</td></tr>"
                            "<tr><td>2</td><td>粤A12345</td><td>￥1,234.50</td><td>1234.5</td>"
                            "<td>2009-03-01</td><td>换机油</td></tr>"
                            "</table>"));
    // Without grid columns the values show as stored.
    QCOMPARE(repairs.render(QStringLiteral("{{#rows}}{{F_WXprice}};{{/rows}}"), nullptr, {}),
             QStringLiteral("-5.25;1234.5;"));
}

void ReportTest::sumsAndFieldsOutsideTheRowBlock()
{
    Repairs repairs;
    repairs.data.last();
    QCOMPARE(repairs.render(QStringLiteral("{{sum:F_WXprice}}|{{sum:F_WXprice|0.0}}|{{sum:F_nope}}|"
                                           "{{F_CPcode}}")),
             QStringLiteral("￥1,229.25|1229.3||0012"));
}

void ReportTest::brokenTagsNeverFail_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stray end of block") << "a{{/rows}}b"
                                        << "ab";
    QTest::newRow("unclosed block runs to the end") << "{{#rows}}x"
                                                    << "xx";
    QTest::newRow("a block inside a block is part of the row")
        << "{{#rows}}{{#rows}}{{RowNo}}{{/rows}};{{/rows}}"
        << "1;2;";
    // Found by fuzzing: each level repeated the rows inside it, 2^40 times here.
    QTest::newRow("deeply nested blocks")
        << QString("{{#rows}}").repeated(40) + "x" + QString("{{/rows}}").repeated(40) << "xx";
    QTest::newRow("unterminated tag stays text") << "a {{memoDate"
                                                 << "a {{memoDate";
    QTest::newRow("unknown name") << "[{{F_nothing}}]"
                                  << "[]";
    QTest::newRow("row number outside a block") << "[{{RowNo}}]"
                                                << "[]";
    QTest::newRow("empty tag") << "[{{}}]"
                               << "[]";
}

void ReportTest::brokenTagsNeverFail()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    Repairs repairs;
    QCOMPARE(repairs.render(source), expected);
}

void ReportTest::includesSharedParts()
{
    Repairs repairs;
    Answers answers;
    answers.values.insert(QStringLiteral("memoDate"), QStringLiteral("三月"));
    repairs.writeTemplate(QStringLiteral("_part"), QStringLiteral("<b>{{memoDate}}</b>{{>_loop}}"));
    repairs.writeTemplate(QStringLiteral("_loop"), QStringLiteral("+{{>_loop}}"));
    QCOMPARE(repairs.render(QStringLiteral("[{{>_part}}]"), &answers),
             QStringLiteral("[<b>三月</b>+++]")); // a loop of includes stops
    QCOMPARE(repairs.render(QStringLiteral("[{{>../_part}}][{{>_missing}}]")),
             QStringLiteral("[][]"));
}

void ReportTest::tableShowsGridTitlesAndTotals()
{
    Repairs repairs;
    const QString html = ReportTables::table(ReportData{&repairs.data, repairColumns(), nullptr});
    QVERIFY(html.contains(QStringLiteral("colspan=\"2\">维修</th>")));
    QVERIFY(html.contains(QStringLiteral(">金额</th>")));
    QVERIFY(html.contains(QStringLiteral("rowspan=\"2\">车牌</th>")));
    QVERIFY(!html.contains(QStringLiteral("维修类型"))); // hidden
    QVERIFY(html.contains(QStringLiteral("<td align=\"right\">￥1,234.50</td>")));
    QVERIFY(html.contains(QStringLiteral("a&lt;b &amp; &quot;c&quot;")));
    QVERIFY(!html.contains(QStringLiteral("1900-08-14")));
    QVERIFY(html.contains(QStringLiteral("<b>合计</b>")));
    QVERIFY(html.contains(QStringLiteral("<b>￥1,229.25</b>")));

    // Without grid columns: every field under its name, no totals.
    const QString plain = ReportTables::table(ReportData{&repairs.data, {}, nullptr});
    QVERIFY(plain.contains(QStringLiteral(">F_WXtype</th>")));
    QVERIFY(plain.contains(QStringLiteral("<td align=\"right\">1234.5</td>")));
    QVERIFY(!plain.contains(QStringLiteral("合计")));

    // Money columns are totalled even where the grid has no footers.
    std::vector<GridColumn> columns = repairColumns();
    for (GridColumn &column : columns)
        column.footerType = GridColumn::Footer::None;
    const std::vector<QString> totals = ReportTables::totals(columns, repairs.data);
    QCOMPARE(totals.front(), QStringLiteral("合计"));
    QCOMPARE(totals[3], QStringLiteral("￥1,229.25"));
    QVERIFY(totals[4].isEmpty());
}

void ReportTest::printReportDoesNothingForAnEmptyDataSet()
{
    Repairs repairs;
    repairs.installShippedTemplates();
    DataSet empty;
    QVERIFY(repairs.env.dataModule()->OpenQuery(
        QStringLiteral("select * from T_WXrec where F_ID < 0"), empty));
    const Shown shown = intercept([&] { PrintReport(QStringLiteral("frCLwxInfoMan"), empty); });
    QCOMPARE(shown.previews, 0);
    QVERIFY(repairs.env.platform().shown.isEmpty());
}

void ReportTest::missingTemplateGivesAnEmptyReport()
{
    Repairs repairs;
    const Shown shown = intercept(
        [&] { PrintReport(QStringLiteral("frNothing"), repairs.data, nullptr, repairColumns()); });
    QCOMPARE(shown.previews, 1);
    QCOMPARE(shown.title, QStringLiteral("frNothing"));
    QCOMPARE(shown.pages, 1);
    QVERIFY(shown.plain.trimmed().isEmpty());
    QVERIFY(repairs.env.platform().shown.isEmpty());
}

void ReportTest::printsTheDefaultTemplate()
{
    Repairs repairs;
    repairs.installShippedTemplates();
    Answers answers;
    answers.values.insert(QStringLiteral("memoDate"),
                          QStringLiteral("维修日期：自 2009年03月01日 至 2009年03月31日"));
    const Shown shown = intercept([&] {
        PrintReport(QStringLiteral("frCLwxInfoMan"), repairs.data, &answers, repairColumns());
    });
    QCOMPARE(shown.previews, 1);
    QCOMPARE(shown.title, QStringLiteral("车辆维修记录"));
    if (shown.pdf.isNull())
        QSKIP("pdftotext is not installed");
    for (const char *expected :
         {"澄舟运输公司", "车辆维修记录", "维修日期：自 2009年03月01日 至 2009年03月31日", "车牌",
          "金额", "粤A12345", "￥1,234.50", "-￥5.25", "a<b & \"c\"", "合计", "￥1,229.25",
          "记录数：2", "打印日期：2009年03月31日"})
        QVERIFY2(shown.pdf.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(squeezed(shown.pdf).contains(QStringLiteral("第1页共1页")));
    QVERIFY(!shown.pdf.contains(QStringLiteral("维修类型")));
    QVERIFY(!shown.pdf.contains(QStringLiteral("{{")));
}

void ReportTest::longReportsRepeatTitlesOnEveryPage()
{
    Repairs repairs;
    repairs.installShippedTemplates();
    std::vector<Repair> many;
    for (int i = 0; i < 400; ++i)
        many.push_back({QStringLiteral("P%1").arg(i + 1, 4, 10, QChar(u'0')),
                        QStringLiteral("2009-03-02"), 1.0, QString(), QStringLiteral("1"),
                        QStringLiteral("保养")});
    QVERIFY(insertRepairs(*repairs.env.dataModule(), many));
    QVERIFY(openRepairs(*repairs.env.dataModule(), repairs.data));

    const Shown shown = intercept([&] {
        PrintReport(QStringLiteral("frCLwxInfoMan"), repairs.data, nullptr, repairColumns());
    });
    QVERIFY(shown.pages > 3);
    if (shown.pdf.isNull())
        QSKIP("pdftotext is not installed");
    QStringList pages = shown.pdf.split(u'\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    QCOMPARE(pages.size(), shown.pages);
    int plates = 0;
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY(pages[i].contains(QStringLiteral("车牌")));
        QVERIFY(squeezed(pages[i]).contains(
            QStringLiteral("第%1页共%2页").arg(i + 1).arg(shown.pages)));
        plates += pages[i].count(QStringLiteral("P0"));
    }
    QCOMPARE(plates, 400);
    QVERIFY(pages.first().contains(QStringLiteral("澄舟运输公司")));
    QVERIFY(pages.last().contains(QStringLiteral("￥1,629.25")));
    QVERIFY(pages.last().contains(QStringLiteral("记录数：402")));
}

void ReportTest::cardsShowEveryRecord()
{
    Repairs repairs;
    repairs.installShippedTemplates();
    const Shown shown = intercept([&] {
        PrintReport(QStringLiteral("frCLsgInfoMan1"), repairs.data, nullptr, repairColumns());
    });
    QCOMPARE(shown.title, QStringLiteral("车辆事故记录表格"));
    if (shown.pdf.isNull())
        QSKIP("pdftotext is not installed");
    QCOMPARE(squeezed(shown.pdf).count(QStringLiteral("维修金额")), 2); // a title beside each value
    for (const char *expected : {"粤A12345", "0012", "￥1,234.50", "-￥5.25", "换机油"})
        QVERIFY2(shown.pdf.contains(QString::fromUtf8(expected)), expected);
}

void ReportTest::everyShippedTemplateRenders_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"frCarMan",          "frCLwxInfoMan",     "frCLtbInfoMan",     "frCLjfInfoMan",
          "frCLnsInfoMan",     "frCLsgInfoMan",     "frCLsgInfoMan1",    "frCLwzInfoMan",
          "frCLtsInfoMan",     "frCLccInfoMan",     "frCLfyzcInfoMan",   "frCLfysrInfoMan",
          "frCLyhInfoMan",     "frWXofficeMan",     "frBXofficeMan",     "frSFofficeMan",
          "frEmpMan",          "frCLinfoTotalTJ",   "frCLinfoDetailTJ1", "frCLinfoDetailTJ2",
          "frCLinfoDetailTJ3", "frCLinfoDetailTJ4", "frCLinfoDetailTJ5", "frWXdetailTJ",
          "frSGdetailTJ",      "frWZdetailTJ",      "frCCdetailTJ",      "frFYZCdetailTJ",
          "frYHdetailTJ"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void ReportTest::everyShippedTemplateRenders()
{
    QFETCH(QString, name);
    Repairs repairs;
    repairs.installShippedTemplates();
    const QString source = ReportTemplate::load(name);
    QVERIFY2(!source.isEmpty(), "no such template");
    const QString title = ReportTemplate::title(source);
    QVERIFY(!title.isEmpty());
    const ReportData data{&repairs.data, repairColumns(), nullptr};
    ReportPages pages(ReportTemplate::renderParts(source, data), data);
    QCOMPARE(pages.pageCount(), 1);
    QVERIFY(pages.plainText().contains(title));
    QVERIFY(pages.plainText().contains(QStringLiteral("澄舟运输公司")));
    QVERIFY(!pages.plainText().contains(QStringLiteral("{{")));
}

ORV_TEST(ReportTest)
#include "ReportTest.moc"
