#pragma once
// Repair records in a real encrypted database, opened into a DataSet, with the repair list's
// columns as a layout gives them (a hidden column, two-level titles, money and date formats):
// what the export, printing and report tests look at.
#include "app/DataModule.h"
#include "db/DataSet.h"
#include "grids/GridColumn.h"
#include "support/TestData.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <vector>

namespace outputtest {

using Repair = orvtest::Repair;

// Plate, date, money, memo, days, type, note.
inline std::vector<Repair> sampleRepairs()
{
    return {
        {QStringLiteral("粤A12345"), QStringLiteral("2009-03-01"), 1234.5, QStringLiteral("换机油"),
         QStringLiteral("2"), QStringLiteral("保养"), QStringLiteral("1900-08-14")},
        {QStringLiteral("0012"), QStringLiteral("1900-08-14"), -5.25, QStringLiteral("a<b & \"c\""),
         QStringLiteral("0.5"), QStringLiteral("大修"), QStringLiteral("轮胎")},
    };
}

inline bool insertRepairs(DataModule &, const std::vector<Repair> &rows)
{
    return orvtest::addRepairs(rows);
}

inline bool openRepairs(DataModule &dm, DataSet &data)
{
    return dm.OpenQuery(QStringLiteral("select * from T_WXrec order by F_ID"), data);
}

// sampleRepairs() written to the database and opened into `data`.
inline bool openSampleRepairs(DataModule &dm, DataSet &data)
{
    return insertRepairs(dm, sampleRepairs()) && openRepairs(dm, data);
}

inline GridColumn column(const QString &field, const QString &title, const QString &format = {},
                         bool visible = true)
{
    GridColumn c;
    c.fieldName = field;
    c.title = title;
    c.displayFormat = format;
    c.visible = visible;
    return c;
}

// Sheet columns A..G: plate, (hidden type), date, money, days, note, memo.
inline std::vector<GridColumn> repairColumns()
{
    std::vector<GridColumn> columns{
        column(QStringLiteral("F_CPcode"), QStringLiteral("车牌")),
        column(QStringLiteral("F_WXtype"), QStringLiteral("维修类型"), {}, false),
        column(QStringLiteral("F_WXdate"), QStringLiteral("维修日期"),
               QStringLiteral("yyyy-mm-dd")),
        column(QStringLiteral("F_WXprice"), QStringLiteral("维修|金额"),
               QStringLiteral("￥,0.00##")),
        column(QStringLiteral("F_WXdayNum"), QStringLiteral("维修|天数"), QStringLiteral("0.##")),
        column(QStringLiteral("F_WXmemo1"), QStringLiteral("维修说明")),
        column(QStringLiteral("F_memo1"), QStringLiteral("备注")),
    };
    columns[3].footerType = GridColumn::Footer::Sum;
    columns[3].alignment = Qt::AlignRight | Qt::AlignVCenter;
    columns[0].footerType = GridColumn::Footer::Text;
    columns[0].footerValue = QStringLiteral("合计");
    return columns;
}

// The text of a PDF file through pdftotext, pages separated by form feeds; a null text when the
// tool is missing.
inline QString pdfText(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool,
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("");
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace outputtest
