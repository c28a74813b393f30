#pragma once
// Repair records for the benchmarks, twenty columns of them (2 integers, 8 texts, 4 dates,
// 6 amounts) over 20,000 vehicles, and grid columns that show them. Header-only: every .cpp in
// this folder is a benchmark program of its own.
#include "db/ResultSet.h"
#include "grids/GridColumn.h"

#include <QDate>
#include <QStringList>
#include <vector>

namespace benchdata {

constexpr int Vehicles = 20000;
constexpr int FirstAmount = 14; // columns 14-19 hold the amounts

inline const QStringList &repairFields()
{
    static const QStringList names = {"F_ID",        "F_mainID",   "F_CPcode",     "F_WXtype",
                                      "F_JSempName", "F_WXoffice", "F_memo1",      "F_WXmemo1",
                                      "F_dept",      "F_GSoffice", "F_WXdate",     "F_NextDate",
                                      "F_BuyDate",   "F_FHdate",   "F_WXprice",    "F_GLnum",
                                      "F_YLnum",     "F_DJprice",  "F_totalprice", "F_WXdayNum"};
    return names;
}

// `count` records. Every fifth one has the memo `memo` (with %1 for a number);
// amounts(rows, r, i) fills the amount columns of row r, the i-th record.
template <typename Amounts> ResultSet repairRows(int count, const QString &memo, Amounts &&amounts)
{
    const QStringList &names = repairFields();
    QStringList types;
    for (int c = 0; c < names.size(); ++c)
        types << (c < 2 ? "INTEGER" : c < FirstAmount ? "TEXT" : "REAL");
    ResultSet rows(names, types);
    rows.reserveRows(count);
    const QDate start(2024, 1, 1);
    QStringList dates;
    for (int d = 0; d < 730; ++d)
        dates << start.addDays(d).toString(QStringLiteral("yyyy-MM-dd"));
    for (int i = 0; i < count; ++i) {
        const int r = rows.appendRow();
        const int v = i % Vehicles;
        rows.setInteger(r, 0, i + 1);
        rows.setInteger(r, 1, v + 1);
        rows.setText(r, 2, QStringLiteral("浙A%1").arg(v * 7919 % Vehicles, 5, 10, QChar(u'0')));
        rows.setText(r, 3, i % 3 == 0 ? QStringLiteral("大修") : QStringLiteral("保养"));
        rows.setText(r, 4, QStringLiteral("司机%1").arg(i % 400));
        rows.setText(r, 5, QStringLiteral("修理厂%1").arg(i % 30));
        if (i % 5 == 0)
            rows.setText(r, 6, memo.arg(i % 97));
        rows.setText(r, 7, QStringLiteral("说明%1").arg(i % 1000));
        rows.setText(r, 8, QStringLiteral("部门%1").arg(i % 12));
        rows.setText(r, 9, QStringLiteral("分公司%1").arg(i % 8));
        rows.setText(r, 10, dates[(i * 31) % 730]);
        rows.setText(r, 11, i % 4 == 0 ? QStringLiteral("1900-08-14") : dates[(i * 17) % 730]);
        rows.setText(r, 12, dates[i % 730]);
        rows.setText(r, 13, dates[(i * 7) % 730]);
        amounts(rows, r, i);
    }
    return rows;
}

// The first `count` fields as grid columns: amounts right-aligned in yuan with a footer sum
// under a two-level title, dates in `dateFormat` when one is given.
inline std::vector<GridColumn> repairColumns(int count = 20, const QString &dateFormat = {})
{
    std::vector<GridColumn> result;
    for (int c = 0; c < count; ++c) {
        GridColumn col;
        col.fieldName = repairFields()[c];
        col.title = c >= FirstAmount ? QStringLiteral("金额|") + col.fieldName : col.fieldName;
        if (c >= 10 && c < FirstAmount)
            col.displayFormat = dateFormat;
        if (c >= FirstAmount) {
            col.displayFormat = QStringLiteral("￥,0.00##");
            col.footerType = GridColumn::Footer::Sum;
            col.alignment = Qt::AlignRight | Qt::AlignVCenter;
        }
        result.push_back(col);
    }
    return result;
}

} // namespace benchdata
