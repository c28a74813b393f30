#pragma once
// Repair records in a real database, opened into a DataSet, and the repair list's columns: the
// data most grid tests look at.
#include "app/DataModule.h"
#include "grids/DataGrid.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"

#include <QTest>
#include <memory>
#include <vector>

namespace gridtest {

using Repair = orvtest::Repair;

inline bool insertRepairs(DataModule &, const std::vector<Repair> &rows)
{
    return orvtest::addRepairs(rows);
}

inline bool openRepairs(DataModule &dm, DataSet &ds)
{
    return dm.OpenQuery(QStringLiteral("select * from T_WXrec order by F_ID"), ds);
}

inline GridColumn column(const QString &field, const QString &title)
{
    GridColumn c;
    c.fieldName = field;
    c.title = title;
    return c;
}

inline std::vector<GridColumn> repairColumns()
{
    return {column(QStringLiteral("F_CPcode"), QStringLiteral("车牌")),
            column(QStringLiteral("F_WXdate"), QStringLiteral("维修日期")),
            column(QStringLiteral("F_WXprice"), QStringLiteral("维修金额")),
            column(QStringLiteral("F_memo1"), QStringLiteral("备注"))};
}

// A fresh connected database, an empty data set and a grid over it, for a test class to inherit
// beside QObject: openGrid() in init(), closeGrid() in cleanup().
struct GridOverDataSet {
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<DataSet> ds;
    std::unique_ptr<DataGrid> grid;
    DataModule &dm() { return *env->dataModule(); }

    void openGrid(const std::vector<GridColumn> &columns = repairColumns())
    {
        env = std::make_unique<TestEnvironment>();
        env->connect();
        ds = std::make_unique<DataSet>();
        grid = std::make_unique<DataGrid>();
        grid->setColumns(columns);
        grid->setDataSet(ds.get());
    }
    // The grid goes before the data set it shows, the data set before its database.
    void closeGrid()
    {
        grid.reset();
        ds.reset();
        env.reset();
    }
};

// The texts of one grid column, top to bottom.
inline QStringList columnTexts(const DataGrid &grid, int column)
{
    QStringList texts;
    const int rows = grid.dataSet() ? grid.dataSet()->rowCount() : 0;
    for (int row = 0; row < rows; ++row)
        texts << grid.cellText(row, column);
    return texts;
}

} // namespace gridtest
