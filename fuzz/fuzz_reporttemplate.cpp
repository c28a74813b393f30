// The report template filler over any template, with the shipped templates to include: it must
// not fail, and no value of the data reaches the page unescaped.
#include "FuzzInput.h"
#include "app/AppPaths.h"
#include "db/DataSet.h"
#include "output/ReportTemplate.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Every field holds this text somewhere; only its escaped form may appear in a page.
const QString Marker = QStringLiteral("<i>&\"'");

const ReportData &reportData()
{
    static DataSet rows;
    static ReportData data;
    if (!data.data) {
        ResultSet set({QStringLiteral("F_CPcode"), QStringLiteral("F_WXdate"),
                       QStringLiteral("F_WXprice"), QStringLiteral("F_memo1")},
                      {QStringLiteral("TEXT"), QStringLiteral("TEXT"), QStringLiteral("REAL"),
                       QStringLiteral("TEXT")});
        for (int i = 0; i < 3; ++i) {
            const int r = set.appendRow();
            set.setText(r, 0, QStringLiteral("浙A1000%1").arg(i) + Marker);
            set.setText(r, 1, QStringLiteral("2009-03-0%1").arg(i + 1));
            set.setReal(r, 2, 100.25 * (i + 1));
            set.setText(r, 3, Marker);
        }
        rows.setRows(std::move(set));
        GridColumn plate;
        plate.fieldName = QStringLiteral("F_CPcode");
        plate.title = QStringLiteral("车牌|") + Marker;
        GridColumn price;
        price.fieldName = QStringLiteral("F_WXprice");
        price.title = QStringLiteral("金额");
        price.displayFormat = QStringLiteral("￥,0.00");
        price.footerType = GridColumn::Footer::Sum;
        data.data = &rows;
        data.columns = {plate, price};
    }
    return data;
}

void check(const QString &page, const QString &source)
{
    if (page.contains(Marker) && !source.contains(Marker)) {
        std::fprintf(stderr, "an unescaped value in the page of:\n%s\n", qPrintable(source));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    AppPaths::setProgramFolder(QStringLiteral(ORV_RESOURCES_DIR));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString source = QString::fromUtf8(fuzz::bytes(data, size));
    check(ReportTemplate::render(source, reportData()), source);
    check(ReportTemplate::render(source, reportData(), 1), source);
    for (const ReportTemplate::Part &part : ReportTemplate::renderParts(source, reportData()))
        check(part.html, source);
    ReportTemplate::title(source);
    return 0;
}
