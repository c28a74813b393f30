// Grid layouts in cfg_grid over a real database: loading, saving, the popup command that saves.
#include "GridFixture.h"
#include "grids/GridHeader.h"
#include "grids/GridLayouts.h"
#include "support/TestMain.h"

#include <QAction>
#include <QTest>

using namespace gridtest;

class GridLayoutTest : public QObject, private GridOverDataSet {
    Q_OBJECT

    ScriptedPlatform &ui() { return env->platform(); }

    // Layout rows of the key "testgrid", deliberately not in F_order order.
    void seedLayout()
    {
        QVERIFY(dm().ExecSql(QStringLiteral(
            "insert into cfg_grid (F_name, F_fieldname, F_caption, F_width, F_readonly, F_visible,"
            " F_order, F_alignMent, F_displayFormat, F_footerValue, F_footerType) values"
            " ('testgrid', 'F_WXprice', '维修|金额', 90, 0, 1, 2, 2, '￥,0.00', '', 2),"
            " ('testgrid', 'F_CPcode', '车牌', 100, 1, 1, 0, 1, '', '合计', 1),"
            " ('testgrid', '', '无字段', 50, 1, 1, 1, 0, '', '', 0),"
            " ('testgrid', 'F_WXdate', '维修|日期', 70, 1, 0, 1, 7, 'yyyy-mm-dd', '', 9),"
            " ('other', 'F_memo1', '备注', 60, 1, 1, 0, 0, '', '', 0)")));
    }
    QStringList fields() const
    {
        QStringList f;
        for (const GridColumn &c : grid->columns())
            f << c.fieldName;
        return f;
    }
    QString row(const QString &field)
    {
        const QueryResult r = dm().db().query(
            QStringLiteral("select F_caption, F_width, F_readonly, F_visible, F_order, F_alignMent,"
                           " F_displayFormat, F_footerValue, F_footerType from cfg_grid where"
                           " F_name = 'testgrid' and F_fieldname = :f"),
            {{QStringLiteral("f"), field}});
        if (r.rows.rowCount() != 1)
            return QStringLiteral("%1 rows").arg(r.rows.rowCount());
        QStringList cells;
        for (int c = 0; c < r.rows.columnCount(); ++c)
            cells << r.rows.text(0, c);
        return cells.join(u'|');
    }
    int layoutRows() { return dm().QueryInt(QStringLiteral("select count(*) from cfg_grid")); }

private slots:
    void init()
    {
        openGrid();
        QVERIFY(insertRepairs(
            dm(), {{"浙A1", "2009-03-01", 10.5, "x"}, {"浙B2", "1900-08-14", 2.0, "y"}}));
        QVERIFY(openRepairs(dm(), *ds));
    }
    void cleanup() { closeGrid(); }

    void loadReplacesColumnsInOrder()
    {
        seedLayout();
        LoadGridLayout(grid.get(), QStringLiteral("TestGrid")); // keys match without case
        QCOMPARE(fields(), QStringList({"F_CPcode", "F_WXdate", "F_WXprice"}));
        const GridColumn &plate = grid->columnAt(0);
        QCOMPARE(plate.title, QStringLiteral("车牌"));
        QCOMPARE(plate.width, 100);
        QVERIFY(plate.readOnly && plate.visible);
        QCOMPARE(plate.alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(plate.footerType, GridColumn::Footer::Text);
        QCOMPARE(grid->footerText(0), QStringLiteral("合计"));
        const GridColumn &date = grid->columnAt(1);
        QVERIFY(!date.visible);
        QVERIFY(grid->view()->isColumnHidden(1));
        QCOMPARE(date.alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft); // 7: left as it was
        QCOMPARE(date.footerType, GridColumn::Footer::None);                // 9: none
        QCOMPARE(grid->cellText(0, 1), QStringLiteral("2009-03-01"));
        QCOMPARE(grid->cellText(1, 1), QString());
        const GridColumn &price = grid->columnAt(2);
        QVERIFY(!price.readOnly);
        QCOMPARE(price.alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(price.width, 90);
        QCOMPARE(grid->view()->columnWidth(2), 90);
        QCOMPARE(grid->cellText(0, 2), QStringLiteral("￥10.50"));
        QCOMPARE(grid->footerText(2), QStringLiteral("￥12.50"));
        QCOMPARE(grid->header()->groupSpan(2).group, QStringLiteral("维修"));
        QVERIFY(ui().shown.isEmpty());
    }

    void keyWithoutRowsOrFailingQueryLeavesTheGrid()
    {
        seedLayout();
        LoadGridLayout(grid.get(), QStringLiteral("nosuchgrid"));
        QCOMPARE(fields(), QStringList({"F_CPcode", "F_WXdate", "F_WXprice", "F_memo1"}));
        QVERIFY(ui().shown.isEmpty());
        QVERIFY(dm().ExecSql(QStringLiteral("alter table cfg_grid rename to cfg_grid_gone")));
        LoadGridLayout(grid.get(), QStringLiteral("testgrid"));
        QCOMPARE(fields(), QStringList({"F_CPcode", "F_WXdate", "F_WXprice", "F_memo1"}));
        QCOMPARE(ui().texts(), QStringList({DataModule::OperationFailed}));
        QCOMPARE(ui().shown.first().kind, Platform::MessageKind::Error);
    }

    void saveUpdatesOnlyExistingRowsOfTheLowerCasedKey()
    {
        seedLayout();
        const int before = layoutRows();
        LoadGridLayout(grid.get(), QStringLiteral("testgrid"));
        // The operator reorders, hides, widens and the window adds a column without a row.
        grid->view()->horizontalHeader()->moveSection(2, 0);
        grid->setColumnVisible(1, false); // F_CPcode, now second
        grid->setColumnWidth(0, 111);
        GridColumn caption = grid->columnAt(1);
        caption.title = QStringLiteral("O'Neil's 车牌");
        caption.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        grid->setColumn(1, caption);
        grid->addColumn(column(QStringLiteral("F_memo1"), QStringLiteral("备注")));
        SaveGridLayout(grid.get(), QStringLiteral("TESTGRID"));
        QVERIFY(ui().shown.isEmpty());
        QCOMPARE(layoutRows(), before);
        QCOMPARE(row("F_WXprice"), QStringLiteral("维修|金额|111|0|1|0|2|￥,0.00||2"));
        QCOMPARE(row("F_CPcode"), QStringLiteral("O'Neil's 车牌|100|1|0|1|0||合计|1"));
        QCOMPARE(row("F_WXdate"), QStringLiteral("维修|日期|70|1|0|2|0|yyyy-mm-dd||0"));
        QCOMPARE(row("F_memo1"), QStringLiteral("0 rows"));
        // What was saved loads back as it was.
        const std::vector<GridColumn> saved(grid->columns().begin(), grid->columns().end() - 1);
        grid->setColumns(repairColumns());
        LoadGridLayout(grid.get(), QStringLiteral("testgrid"));
        QCOMPARE(grid->columnCount(), int(saved.size()));
        for (int i = 0; i < grid->columnCount(); ++i) {
            QCOMPARE(grid->columnAt(i).fieldName, saved[std::size_t(i)].fieldName);
            QCOMPARE(grid->columnAt(i).title, saved[std::size_t(i)].title);
            QCOMPARE(grid->columnAt(i).visible, saved[std::size_t(i)].visible);
            QCOMPARE(grid->columnAt(i).width, saved[std::size_t(i)].width);
        }
    }

    void aFailingColumnIsReportedAndTheNextStillSaved()
    {
        seedLayout();
        LoadGridLayout(grid.get(), QStringLiteral("testgrid"));
        QVERIFY(dm().db().exec(QStringLiteral(
            "create trigger refuse_date before update on cfg_grid when old.F_fieldname = "
            "'F_WXdate' begin select raise(abort, 'refused'); end")));
        QVERIFY(dm().db().exec(QStringLiteral(
            "create trigger refuse_plate before update on cfg_grid when old.F_fieldname = "
            "'F_CPcode' begin select raise(abort, 'refused'); end")));
        for (int i = 0; i < grid->columnCount(); ++i)
            grid->setColumnWidth(i, 42);
        SaveGridLayout(grid.get(), QStringLiteral("testgrid"));
        QCOMPARE(ui().texts(),
                 QStringList({DataModule::OperationFailed, DataModule::OperationFailed}));
        QVERIFY(row("F_WXprice").startsWith(QStringLiteral("维修|金额|42|")));
        QVERIFY(row("F_CPcode").startsWith(QStringLiteral("车牌|100|")));
    }

    void popupSaveAsksFirst()
    {
        seedLayout();
        LoadGridLayout(grid.get(), QStringLiteral("testgrid"));
        grid->setLayoutKey(QStringLiteral("testgrid"));
        grid->setColumnWidth(0, 55);
        QCOMPARE(grid->saveLayoutAction()->text(), QStringLiteral("保存当前设置"));
        QCOMPARE(grid->chooseColumnsAction()->text(), QStringLiteral("显示字段列表"));
        ui().answers.enqueue(Platform::Answer::No);
        grid->saveLayoutAction()->trigger();
        QCOMPARE(ui().texts(), QStringList({QStringLiteral("真的要保存当前网格设置吗？")}));
        QCOMPARE(ui().shown.first().kind, Platform::MessageKind::Question);
        QVERIFY(row("F_CPcode").startsWith(QStringLiteral("车牌|100|")));
        ui().answers.enqueue(Platform::Answer::Yes);
        grid->saveLayoutAction()->trigger();
        QVERIFY(row("F_CPcode").startsWith(QStringLiteral("车牌|55|")));
    }
};

ORV_TEST(GridLayoutTest)
#include "GridLayoutTest.moc"
