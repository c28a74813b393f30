// The column chooser run modally over a real grid, as the popup command "显示字段列表" runs it.
#include "GridFixture.h"
#include "grids/ColumnChooserDialog.h"
#include "grids/GridLayouts.h"
#include "support/ModalHelper.h"
#include "support/TestMain.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace gridtest;

class ColumnChooserTest : public QObject, private GridOverDataSet {
    Q_OBJECT

    QList<bool> visibility() const
    {
        QList<bool> v;
        for (int i = 0; i < grid->columnCount(); ++i) {
            v << grid->columnAt(i).visible;
            // The view agrees with the columns.
            if (grid->view()->isColumnHidden(i) == grid->columnAt(i).visible)
                v << false << false << false;
        }
        return v;
    }
    // Runs ChooseGridColumns; `act` gets the chooser, ticks and presses a button.
    bool choose(const std::function<void(ColumnChooserDialog *)> &act)
    {
        bool ran = false;
        orvtest::whenModalNamed(QStringLiteral("TFrmDispFieldXZ"), [&](QWidget *w) {
            act(static_cast<ColumnChooserDialog *>(w));
            ran = true;
        });
        ChooseGridColumns(grid.get());
        return ran;
    }
    static void tick(ColumnChooserDialog *d, const QList<bool> &ticks)
    {
        for (int i = 0; i < ticks.size(); ++i)
            d->list()->item(i)->setCheckState(ticks[i] ? Qt::Checked : Qt::Unchecked);
    }

private slots:
    void init()
    {
        std::vector<GridColumn> columns = repairColumns();
        columns[1].title = QStringLiteral("维修|日期");
        columns[3].visible = false;
        openGrid(columns);
    }
    void cleanup() { closeGrid(); }

    void listsEveryColumnWithItsTitleAndTick()
    {
        QVERIFY(choose([](ColumnChooserDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("字段列表"));
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            QStringList lines;
            for (int i = 0; i < d->list()->count(); ++i)
                lines << d->list()->item(i)->text() +
                             (d->list()->item(i)->checkState() == Qt::Checked ? "+" : "-");
            QCOMPARE(lines, QStringList({"车牌+", "维修|日期+", "维修金额+", "备注-"}));
            QVERIFY(d->flags().isEmpty());
            d->cancelButton()->click();
        }));
    }

    void confirmedTicksShowAndHideColumns_data()
    {
        QTest::addColumn<QList<bool>>("ticks");
        QTest::newRow("untick every column") << QList<bool>({false, false, false, false});
        QTest::newRow("show the hidden column again") << QList<bool>({true, true, true, true});
        QTest::newRow("no change") << QList<bool>({true, true, true, false});
        QTest::newRow("swap") << QList<bool>({false, true, false, true});
    }
    void confirmedTicksShowAndHideColumns()
    {
        QFETCH(QList<bool>, ticks);
        QVERIFY(choose([&](ColumnChooserDialog *d) {
            tick(d, ticks);
            d->okButton()->click();
        }));
        QCOMPARE(visibility(), ticks);
    }

    void cancelChangesNothing()
    {
        QStringList flags = {"x"};
        QVERIFY(choose([&](ColumnChooserDialog *d) {
            tick(d, {false, false, true, true});
            QTest::keyClick(d, Qt::Key_Escape);
            flags = d->flags();
        }));
        QVERIFY(flags.isEmpty());
        QCOMPARE(visibility(), QList<bool>({true, true, true, false}));
    }

    void thePopupCommandRunsTheChooser()
    {
        bool ran = false;
        orvtest::whenModalNamed(QStringLiteral("TFrmDispFieldXZ"), [&](QWidget *w) {
            auto *d = static_cast<ColumnChooserDialog *>(w);
            tick(d, {true, false, true, true});
            d->okButton()->click();
            ran = true;
        });
        grid->chooseColumnsAction()->trigger();
        QVERIFY(ran);
        QCOMPARE(visibility(), QList<bool>({true, false, true, true}));
    }
};

ORV_TEST(ColumnChooserTest)
#include "ColumnChooserTest.moc"
