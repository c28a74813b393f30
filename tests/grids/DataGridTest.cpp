// A real DataGrid over repair records of a real database: texts, footers, title clicks and
// sorting, two-level titles, the current row both ways, editing, row painting, moved columns.
#include "GridFixture.h"
#include "grids/GridHeader.h"
#include "grids/GridModel.h"
#include "grids/TitleGroups.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

using namespace gridtest;
using Marker = GridColumn::SortMarker;

class DataGridTest : public QObject, private GridOverDataSet {
    Q_OBJECT

    void open(const std::vector<Repair> &rows)
    {
        QVERIFY(insertRepairs(dm(), rows));
        QVERIFY(openRepairs(dm(), *ds));
    }
    std::vector<Repair> threeRepairs()
    {
        return {{"浙B2", "2009-03-02", 200.0, "c"},
                {"浙A1", "2009-03-01", 1000.5, "a"},
                {"浙C3", "1900-08-14", 34.0, "b"}};
    }

private slots:
    void init()
    {
        openGrid();
        grid->resize(600, 300);
    }
    void cleanup() { closeGrid(); }

    void showsCellsInDisplayFormatsAndBlanksTheNoDate()
    {
        open(threeRepairs());
        GridColumn price = grid->columnAt(2);
        price.displayFormat = QStringLiteral("￥,0.00");
        grid->setColumn(2, price);
        QCOMPARE(columnTexts(*grid, 2), QStringList({"￥200.00", "￥1,000.50", "￥34.00"}));
        QCOMPARE(columnTexts(*grid, 1), QStringList({"2009-03-02", "2009-03-01", ""}));
        // The view shows what cellText says.
        QCOMPARE(grid->model()->index(1, 2).data().toString(), QStringLiteral("￥1,000.50"));
        // A window's own hook can still fall back on the default text.
        grid->setCellTextHook([this](int row, int column) {
            return column == 0 ? QStringLiteral("#") + grid->defaultCellText(row, column)
                               : grid->defaultCellText(row, column);
        });
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("#浙B2"));
        // A column whose field the data set lacks stays empty.
        grid->addColumn(column(QStringLiteral("F_none"), QStringLiteral("无")));
        QCOMPARE(grid->cellText(0, 4), QString());
    }

    void footersShowTextOrSumInTheColumnFormat()
    {
        open(threeRepairs());
        std::vector<GridColumn> columns = grid->columns();
        columns[0].footerType = GridColumn::Footer::Text;
        columns[0].footerValue = QStringLiteral("合计");
        columns[2].footerType = GridColumn::Footer::Sum;
        columns[2].displayFormat = QStringLiteral("￥,0.00##");
        grid->setColumns(columns);
        QVERIFY(grid->hasFooter());
        QCOMPARE(grid->footerText(0), QStringLiteral("合计"));
        QCOMPARE(grid->footerText(1), QString());
        QCOMPARE(grid->footerText(2), QStringLiteral("￥1,234.50"));
        // Sorting leaves the sum; a changed value and new rows change it.
        grid->sortRows(QStringLiteral("F_WXprice DESC,"));
        QCOMPARE(grid->footerText(2), QStringLiteral("￥1,234.50"));
        ds->setValue(0, ds->fieldIndex(u"F_WXprice"), 1000.0);
        QCOMPARE(grid->footerText(2), QStringLiteral("￥1,234.00"));
        QVERIFY(insertRepairs(dm(), {{"浙D4", "2009-03-03", 0.1234, ""}}));
        QVERIFY(dm().Requery(*ds));
        QCOMPARE(grid->footerText(2), QStringLiteral("￥1,234.6234"));
        ds->clear();
        QCOMPARE(grid->footerText(2), QStringLiteral("￥0.00"));
        // No column with a footer: no footer row.
        grid->setColumns(repairColumns());
        QVERIFY(!grid->hasFooter());
    }

    void titleClicksCycleMarkersAndSortTheLoadedRows()
    {
        open(threeRepairs());
        QSignalSpy requeries(ds.get(), &DataSet::rowsReset);
        grid->clickTitle(0);
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::Ascending);
        QCOMPARE(ds->sort(), QStringLiteral("F_CPcode ASC"));
        QCOMPARE(columnTexts(*grid, 0), QStringList({"浙A1", "浙B2", "浙C3"}));
        grid->clickTitle(0);
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::Descending);
        QCOMPARE(columnTexts(*grid, 0), QStringList({"浙C3", "浙B2", "浙A1"}));
        grid->clickTitle(0);
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::Ascending);
        // Another column sorts alone; the first keeps its marker.
        grid->clickTitle(2);
        QCOMPARE(columnTexts(*grid, 2), QStringList({"34", "200", "1000.5"}));
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::Ascending);
        QCOMPARE(grid->columnAt(2).sortMarker, Marker::Ascending);
        // The rows were sorted where they are, never fetched again.
        QCOMPARE(ds->sql(), QStringLiteral("select * from T_WXrec order by F_ID"));
        QCOMPARE(requeries.count(), 4);
    }

    void memoTitlesOnlyTurnTheirMarker()
    {
        open(threeRepairs());
        grid->clickTitle(0);
        const QStringList before = columnTexts(*grid, 0);
        grid->clickTitle(3); // F_memo1
        QCOMPARE(grid->columnAt(3).sortMarker, Marker::Ascending);
        grid->clickTitle(3);
        QCOMPARE(grid->columnAt(3).sortMarker, Marker::Descending);
        QCOMPARE(columnTexts(*grid, 0), before);
        QCOMPARE(ds->sort(), QStringLiteral("F_CPcode ASC"));
    }

    void titleClicksDoNothingWhenOffOrClosed()
    {
        grid->clickTitle(0); // nothing opened yet
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::None);
        open(threeRepairs());
        grid->setSortOnTitleClick(false);
        QSignalSpy clicks(grid.get(), &DataGrid::titleClicked);
        grid->clickTitle(0);
        QCOMPARE(clicks.count(), 1); // the window still hears the click
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::None);
        QCOMPARE(ds->sort(), QString());
    }

    void aMouseClickOnATitleSorts()
    {
        open(threeRepairs());
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
        QHeaderView *header = grid->view()->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(0) + header->sectionSize(0) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(grid->columnAt(0).sortMarker, Marker::Ascending);
        QCOMPARE(columnTexts(*grid, 0).first(), QStringLiteral("浙A1"));
    }

    void multiKeySortTexts_data()
    {
        QTest::addColumn<QString>("sortText");
        QTest::addColumn<QStringList>("plates");
        QTest::newRow("date then price descending")
            << "F_WXdate ASC,F_WXprice DESC," << QStringList({"D", "A", "B", "C"});
        QTest::newRow("price descending alone")
            << "F_WXprice DESC" << QStringList({"A", "D", "C", "B"});
        QTest::newRow("two keys, trailing comma, case of field")
            << "f_wxdate desc,f_cpcode asc," << QStringList({"C", "A", "B", "D"});
        QTest::newRow("empty text restores the loaded order")
            << "" << QStringList({"A", "B", "C", "D"});
    }
    void multiKeySortTexts()
    {
        QFETCH(QString, sortText);
        QFETCH(QStringList, plates);
        open({{"A", "2009-03-02", 900.0, ""},
              {"B", "2009-03-02", 5.0, ""},
              {"C", "2009-03-10", 30.0, ""},
              {"D", "1900-08-14", 100.0, ""}});
        grid->sortRows(QStringLiteral("F_CPcode DESC"));
        grid->sortRows(sortText);
        QCOMPARE(columnTexts(*grid, 0), plates);
    }

    void twoLevelTitlesSpanTheirGroup()
    {
        open(threeRepairs());
        const int oneLine = grid->header()->sizeHint().height();
        grid->setColumns({column("F_CPcode", "车牌"), column("F_WXdate", "维修|日期"),
                          column("F_WXprice", "维修|金额"), column("F_memo1", "备注"),
                          column("F_WXdayNum", "维修|天数")});
        QCOMPARE(grid->header()->sizeHint().height(), 2 * oneLine);
        auto span = [this](int c) {
            const TitleGroups::Span s = grid->header()->groupSpan(c);
            return QStringLiteral("%1:%2-%3").arg(s.group).arg(s.first).arg(s.last);
        };
        QCOMPARE(span(0), QStringLiteral(":0-0"));
        QCOMPARE(span(1), QStringLiteral("维修:1-2"));
        QCOMPARE(span(2), QStringLiteral("维修:1-2"));
        QCOMPARE(span(4), QStringLiteral("维修:4-4")); // not adjacent: a group of its own
        // Hiding the column between them joins the two groups on screen.
        grid->setColumnVisible(3, false);
        QCOMPARE(span(1), QStringLiteral("维修:1-4"));
        QCOMPARE(span(4), QStringLiteral("维修:1-4"));
        QCOMPARE(span(3), QStringLiteral(":3-3"));
        // Moving a grouped column away splits the group.
        grid->setColumnVisible(3, true);
        grid->view()->horizontalHeader()->moveSection(1, 3);
        QCOMPARE(grid->columnAt(3).title, QStringLiteral("维修|日期"));
        QCOMPARE(span(1), QStringLiteral("维修:1-1"));
        QCOMPARE(span(3), QStringLiteral("维修:3-4"));
        grid->setColumns(repairColumns());
        QCOMPARE(grid->header()->sizeHint().height(), oneLine);
    }

    void titleCellsHaveTheTitleColour()
    {
        open(threeRepairs());
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
        const QImage header = grid->header()->grab().toImage();
        QCOMPARE(header.pixelColor(3, 3), QColor(255, 205, 155));
        QCOMPARE(header.pixelColor(grid->header()->sectionPosition(1) + 3, 3),
                 QColor(255, 205, 155));
    }

    void currentRowFollowsBothWays()
    {
        open(threeRepairs());
        QCOMPARE(grid->view()->currentIndex().row(), 0);
        ds->last();
        QCOMPARE(grid->view()->currentIndex().row(), 2);
        QVERIFY(ds->locate(u"F_CPcode", QStringLiteral("浙a1"), DataSet::Match::CaseInsensitive));
        QCOMPARE(grid->view()->currentIndex().row(), 1);
        grid->view()->setCurrentIndex(grid->model()->index(2, 1));
        QCOMPARE(ds->currentRow(), 2);
        QCOMPARE(ds->fieldText(u"F_CPcode"), QStringLiteral("浙C3"));
        QVERIFY(!ds->eof() && !ds->bof());
        // Sorting keeps the same record current, in the grid too.
        grid->clickTitle(0);
        QCOMPARE(ds->fieldText(u"F_CPcode"), QStringLiteral("浙C3"));
        QCOMPARE(grid->view()->currentIndex().row(), ds->currentRow());
        QCOMPARE(grid->view()->selectionModel()->selectedRows().size(), 1);
        // Reopening puts the grid on the first row.
        QVERIFY(dm().Requery(*ds));
        QCOMPARE(grid->view()->currentIndex().row(), 0);
    }

    void multiSelectionGivesTheChosenRows()
    {
        open(threeRepairs());
        QCOMPARE(grid->selectedRows(), QList<int>({0}));
        grid->setMultiSelect(true);
        QItemSelectionModel *selection = grid->view()->selectionModel();
        selection->select(grid->model()->index(2, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(grid->selectedRows(), QList<int>({0, 2}));
    }

    void editableCellsWriteThroughTheDataSet()
    {
        open(threeRepairs());
        QAbstractItemModel *model = grid->model();
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        GridColumn plate = grid->columnAt(0);
        plate.readOnly = false;
        grid->setColumn(0, plate);
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable)); // grid not editable
        grid->setEditable(true);
        QVERIFY(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(0, 2)) & Qt::ItemIsEditable)); // read-only column
        QVERIFY(!model->setData(model->index(0, 2), QStringLiteral("5")));
        QVERIFY(model->setData(model->index(0, 0), QStringLiteral("浙Z9")));
        QCOMPARE(ds->text(0, u"F_CPcode"), QStringLiteral("浙Z9"));
        // A number column takes numbers, not texts that are none.
        GridColumn price = grid->columnAt(2);
        price.readOnly = false;
        grid->setColumn(2, price);
        QVERIFY(model->setData(model->index(1, 2), QStringLiteral("12.5")));
        QCOMPARE(ds->value(1, u"F_WXprice").toDouble(), 12.5);
        QVERIFY(!model->setData(model->index(1, 2), QStringLiteral("abc")));
        QCOMPARE(ds->value(1, u"F_WXprice").toDouble(), 12.5);
    }

    void markedRowsAreRedOnButtonFace()
    {
        QVERIFY(orvtest::addVehicle(QStringLiteral("浙A1")));
        QVERIFY(orvtest::addVehicle(QStringLiteral("浙B2"), {}, true));
        QVERIFY(orvtest::addVehicle(QStringLiteral("浙C3")));
        QVERIFY(dm().OpenQuery(QStringLiteral("select * from T_cars order by F_code"), *ds));
        grid->setColumns({column("F_code", "车牌")});
        grid->markRowsWhere(QStringLiteral("F_useFlag"));
        QAbstractItemModel *model = grid->model();
        QCOMPARE(model->index(1, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(Qt::red));
        QCOMPARE(model->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
                 grid->palette().color(QPalette::Button));
        QVERIFY(!model->index(0, 0).data(Qt::ForegroundRole).isValid());
        QVERIFY(!model->index(2, 0).data(Qt::BackgroundRole).isValid());
    }

    void draggedTitlesReorderTheColumns()
    {
        open(threeRepairs());
        grid->setColumnWidth(0, 123);
        grid->view()->horizontalHeader()->moveSection(0, 2); // what a drag does
        QStringList fields;
        for (const GridColumn &c : grid->columns())
            fields << c.fieldName;
        QCOMPARE(fields, QStringList({"F_WXdate", "F_WXprice", "F_CPcode", "F_memo1"}));
        QCOMPARE(grid->view()->horizontalHeader()->visualIndex(2), 2);
        QCOMPARE(grid->view()->columnWidth(2), 123);
        QCOMPARE(grid->cellText(1, 2), QStringLiteral("浙A1"));
        // Dragging a width is kept in the column.
        grid->view()->horizontalHeader()->resizeSection(1, 77);
        QCOMPARE(grid->columnAt(1).width, 77);
    }

    void aDeletedDataSetLeavesAnEmptyGrid()
    {
        open(threeRepairs());
        ds.reset();
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(grid->dataSet(), nullptr);
        QCOMPARE(grid->currentRow(), -1);
    }
};

ORV_TEST(DataGridTest)
#include "DataGridTest.moc"
