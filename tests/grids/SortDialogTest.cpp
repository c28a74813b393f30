// The sort dialog run modally over a real grid of repair records, and its sort applied.
#include "grids/SortDialog.h"
#include "GridFixture.h"
#include "support/ModalHelper.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace gridtest;

class SortDialogTest : public QObject, private GridOverDataSet {
    Q_OBJECT

    // Runs the dialog; `act` works it. Returns whether it was accepted; text gets the result.
    bool run(const std::function<void(SortDialog *)> &act, QString &text)
    {
        bool ran = false;
        orvtest::whenModalNamed(QStringLiteral("TfrmRowArrangeGl"), [&](QWidget *w) {
            act(static_cast<SortDialog *>(w));
            ran = true;
        });
        const bool accepted = SortDialog::execute(grid.get(), text);
        if (!ran)
            qWarning("the sort dialog did not run");
        return accepted;
    }
    // A real double-click on a row.
    static void doubleClick(SortDialog *d, int row)
    {
        QTreeWidget *list = d->list();
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static QStringList titles(SortDialog *d)
    {
        QStringList t;
        for (int i = 0; i < d->list()->topLevelItemCount(); ++i)
            t << d->list()->topLevelItem(i)->text(0) + "=" + d->list()->topLevelItem(i)->text(1);
        return t;
    }
    static void select(SortDialog *d, int row)
    {
        d->list()->setCurrentItem(d->list()->topLevelItem(row));
    }

private slots:
    void init()
    {
        openGrid();
        grid->show();
    }
    void cleanup() { closeGrid(); }

    void directionsGiveKeysFromTopToBottom()
    {
        QString text = QStringLiteral("kept");
        QVERIFY(run(
            [](SortDialog *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("排序对话框"));
                QCOMPARE(titles(d), QStringList({"车牌=", "维修日期=", "维修金额=", "备注="}));
                doubleClick(d, 2);
                doubleClick(d, 2); // 降序
                doubleClick(d, 0); // 升序
                QCOMPARE(titles(d),
                         QStringList({"车牌=升序", "维修日期=", "维修金额=降序", "备注="}));
                d->okButton()->click();
            },
            text));
        QCOMPARE(text, QStringLiteral("f_cpcode ASC,f_wxprice DESC,"));
    }

    void doubleClickCyclesBackToNoDirection()
    {
        QString text;
        QVERIFY(run(
            [](SortDialog *d) {
                QStringList seen;
                for (int i = 0; i < 3; ++i) {
                    doubleClick(d, 1);
                    seen << d->list()->topLevelItem(1)->text(1);
                }
                QCOMPARE(seen, QStringList({"升序", "降序", ""}));
                d->okButton()->click();
            },
            text));
        QCOMPARE(text, QString());
    }

    void movingARowChangesItsPriority()
    {
        QString text;
        QVERIFY(run(
            [](SortDialog *d) {
                doubleClick(d, 0);      // 车牌 升序
                doubleClick(d, 3);      // 备注 升序
                doubleClick(d, 3);      // 备注 降序
                d->upButton()->click(); // 备注 to row 2 ...
                d->upButton()->click();
                d->upButton()->click(); // ... to the top
                d->upButton()->click(); // nothing above the first row
                QCOMPARE(d->list()->indexOfTopLevelItem(d->list()->currentItem()), 0);
                QCOMPARE(titles(d),
                         QStringList({"备注=降序", "车牌=升序", "维修日期=", "维修金额="}));
                select(d, 3);
                d->downButton()->click(); // nothing below the last row
                select(d, 1);
                d->downButton()->click();
                QCOMPARE(titles(d),
                         QStringList({"备注=降序", "维修日期=", "车牌=升序", "维修金额="}));
                QCOMPARE(d->list()->currentItem()->text(0), QStringLiteral("车牌"));
                d->okButton()->click();
            },
            text));
        QCOMPARE(text, QStringLiteral("f_memo1 DESC,f_cpcode ASC,"));
    }

    void directionIsChosenFromThreeValues()
    {
        QString text;
        QVERIFY(run(
            [](SortDialog *d) {
                QTreeWidget *list = d->list();
                list->setCurrentItem(list->topLevelItem(1), 1);
                list->editItem(list->topLevelItem(1), 1);
                auto *box = list->viewport()->findChild<QComboBox *>();
                QVERIFY(box);
                QStringList items;
                for (int i = 0; i < box->count(); ++i)
                    items << box->itemText(i);
                QCOMPARE(items, QStringList({"", "升序", "降序"}));
                box->setCurrentIndex(2);
                list->setCurrentItem(list->topLevelItem(0), 0); // leaving the cell commits it
                list->editItem(list->topLevelItem(1), 0);       // titles cannot be edited
                QVERIFY(list->topLevelItem(1)->text(0) == QStringLiteral("维修日期"));
                d->okButton()->click();
            },
            text));
        QCOMPARE(text, QStringLiteral("f_wxdate DESC,"));
    }

    void equalTitlesKeepTheirOwnFields()
    {
        std::vector<GridColumn> columns = repairColumns();
        columns[1].title = QStringLiteral("金额");
        columns[2].title = QStringLiteral("金额");
        grid->setColumns(columns);
        QString text;
        QVERIFY(run(
            [](SortDialog *d) {
                doubleClick(d, 2);
                d->okButton()->click();
            },
            text));
        QCOMPARE(text, QStringLiteral("f_wxprice ASC,"));
    }

    void cancelKeepsTheVariable()
    {
        QString text = QStringLiteral("f_cpcode DESC,");
        QVERIFY(!run(
            [](SortDialog *d) {
                doubleClick(d, 1);
                d->cancelButton()->click();
            },
            text));
        QCOMPARE(text, QStringLiteral("f_cpcode DESC,"));
    }

    void sortGridRowsAppliesTheResult()
    {
        QVERIFY(insertRepairs(*env->dataModule(), {{"浙B2", "2009-03-01", 1.0, ""},
                                                   {"浙A1", "2009-02-01", 5.0, ""},
                                                   {"浙C3", "2009-03-01", 3.0, ""}}));
        QVERIFY(openRepairs(*env->dataModule(), *ds));
        bool ran = false;
        orvtest::whenModalNamed(QStringLiteral("TfrmRowArrangeGl"), [&](QWidget *w) {
            auto *d = static_cast<SortDialog *>(w);
            doubleClick(d, 1);
            doubleClick(d, 1);      // date descending ...
            d->upButton()->click(); // ... as the first key
            doubleClick(d, 1);      // then the plate ascending
            d->okButton()->click();
            ran = true;
        });
        SortGridRows(grid.get());
        QVERIFY(ran);
        QCOMPARE(ds->sort(), QStringLiteral("f_wxdate DESC,f_cpcode ASC,"));
        QCOMPARE(columnTexts(*grid, 0), QStringList({"浙B2", "浙C3", "浙A1"}));
        ran = false;
        orvtest::whenModalNamed(QStringLiteral("TfrmRowArrangeGl"), [&](QWidget *w) {
            static_cast<SortDialog *>(w)->cancelButton()->click();
            ran = true;
        });
        SortGridRows(grid.get()); // cancelling removes the sort
        QVERIFY(ran);
        QCOMPARE(ds->sort(), QString());
        QCOMPARE(columnTexts(*grid, 0), QStringList({"浙B2", "浙A1", "浙C3"}));
    }
};

ORV_TEST(SortDialogTest)
#include "SortDialogTest.moc"
