#include "RecordFixture.h"

#include "app/Globals.h"
#include "forms/GroupPanel.h"
#include "grids/DataGrid.h"
#include "output/PrintPreviewDialog.h"
#include "support/TestMain.h"
#include "support/program/ProgramFixture.h"
#include "widgets/DatePicker.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

using namespace recordtest;

class RecordListTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheMonthUpToToday_data() { everyKind(); }
    void opensOnTheMonthUpToToday();
    void searchAndGroupsMatchTypedValuesExactly_data() { everyKind(); }
    void searchAndGroupsMatchTypedValuesExactly();
    void nextDatesAndMemoColumns_data() { everyKind(); }
    void nextDatesAndMemoColumns();
    void keysActOnTheListOutsideTheSearchBox_data() { everyKind(); }
    void keysActOnTheListOutsideTheSearchBox();
    void restrictedOperatorSeesOnlyTheirUnits_data() { everyKind(); }
    void restrictedOperatorSeesOnlyTheirUnits();
    void accidentListPrintsTwoTemplates();
};

void RecordListTest::opensOnTheMonthUpToToday()
{
    QFETCH(QString, word);
    KindFixture f(word);
    f.add(QStringLiteral("浙A1"), day(2, 29));
    f.add(QStringLiteral("浙A1"), day(3, 1));
    f.add(QStringLiteral("浙A2"), day(3, 15));
    f.add(QStringLiteral("浙A3"), day(3, 16));
    f.add(QStringLiteral("浙X9"), day(3, 10)); // out of service: never listed
    RecordListWindow &list = f.open();
    QCOMPARE(list.windowTitle(), f.kind.listCaption);
    QCOMPARE(f.column(f.kind.dateField), (QStringList{day(3, 1), day(3, 15)}));
    QCOMPARE(list.countPanel()->text(), QStringLiteral("记录数：2"));
    QCOMPARE(list.groupPanel()->rowCount(), 4); // 全部 and the three plates in service

    // Unticking a bound removes it.
    list.findChild<DatePicker *>(QStringLiteral("dtpFromDate"))->setChecked(false);
    QCOMPARE(f.column(f.kind.dateField), (QStringList{day(2, 29), day(3, 1), day(3, 15)}));
    list.findChild<DatePicker *>(QStringLiteral("dtpToDate"))->setChecked(false);
    QCOMPARE(f.plates(), (QStringList{"浙A1", "浙A1", "浙A2", "浙A3"}));
}

void RecordListTest::searchAndGroupsMatchTypedValuesExactly()
{
    QFETCH(QString, word);
    KindFixture f(word);
    const QString searched = f.kind.searches.first().field;
    const QString grouped = f.kind.groups.first().field;
    const QString odd = QStringLiteral("O'N%_#--");
    f.add(QStringLiteral("浙A1"), day(3, 2), {{searched, odd}, {grouped, odd}});
    f.add(QStringLiteral("浙A2"), day(3, 3),
          {{searched, QStringLiteral("ON")}, {grouped, QStringLiteral("ON")}});
    f.add(QStringLiteral("浙A3"), day(3, 4)); // the searched field empty (null)
    RecordListWindow &list = f.open();
    QCOMPARE(f.plates().size(), 3);

    // A search type with no text leaves out the rows whose field is empty.
    auto *type = list.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    QCOMPARE(type->currentIndex(), -1);
    type->setCurrentIndex(0);
    list.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(f.plates(), (QStringList{"浙A1", "浙A2"}));
    // Quote, percent and underscore match themselves only.
    list.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("'N%_"));
    QCOMPARE(f.plates(), QStringList{"浙A1"});
    type->setCurrentIndex(type->count() > 1 ? 1 : -1); // another type empties the text
    QCOMPARE(list.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), QString());

    // The group list: a new type refills it with 全部 chosen; a value holding a quote matches
    // exactly.
    type->setCurrentIndex(-1);
    list.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    GroupPanel *groups = list.groupPanel();
    groups->typeBox()->setCurrentIndex(1);
    QCOMPARE(groups->rowCount(), 3);
    QVERIFY(groups->isAll());
    QCOMPARE(f.plates().size(), 3);
    for (int row = 1; row < groups->rowCount(); ++row)
        if (groups->valueAt(row) == odd)
            groups->chooseRow(row);
    QCOMPARE(f.plates(), QStringList{"浙A1"});
}

void RecordListTest::nextDatesAndMemoColumns()
{
    QFETCH(QString, word);
    KindFixture f(word);
    const QString next = f.kind.nextDateField;
    f.add(QStringLiteral("浙A1"), day(3, 2),
          next.isEmpty() ? SqlParams{{QStringLiteral("F_memo1"), QStringLiteral("b")}}
                         : SqlParams{{next, QStringLiteral("1900-08-14")},
                                     {QStringLiteral("F_memo1"), QStringLiteral("b")}});
    f.add(QStringLiteral("浙A2"), day(3, 3),
          next.isEmpty() ? SqlParams{{QStringLiteral("F_memo1"), QStringLiteral("a")}}
                         : SqlParams{{next, QStringLiteral("1901-08-14")},
                                     {QStringLiteral("F_memo1"), QStringLiteral("a")}});
    RecordListWindow &list = f.open();
    DataGrid *grid = list.grid();
    if (!next.isEmpty()) {
        const int column = grid->columnIndex(next);
        QVERIFY(column >= 0);
        QCOMPARE(grid->cellText(0, column), QString());
        QCOMPARE(grid->cellText(1, column), QStringLiteral("1901-08-14"));
    }
    // A memo column only toggles its marker; a plate column sorts.
    const int memo = grid->columnIndex(u"F_memo1");
    grid->clickTitle(memo);
    QCOMPARE(grid->columnAt(memo).sortMarker, GridColumn::SortMarker::Ascending);
    QCOMPARE(f.plates(), (QStringList{"浙A1", "浙A2"}));
    const int plate = grid->columnIndex(u"F_CPcode");
    grid->clickTitle(plate);
    grid->clickTitle(plate);
    QCOMPARE(f.plates(), (QStringList{"浙A2", "浙A1"}));
}

void RecordListTest::keysActOnTheListOutsideTheSearchBox()
{
    QFETCH(QString, word);
    KindFixture f(word);
    for (int d = 1; d <= 3; ++d)
        f.add(QStringLiteral("浙A1"), day(3, d));
    RecordListWindow &list = f.open();
    QApplication::setActiveWindow(&list);
    QVERIFY(QTest::qWaitForWindowActive(&list));
    auto *search = list.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("ab"));
    QTest::keyClick(search, Qt::Key_Home);
    QCOMPARE(search->cursorPosition(), 0);
    QTest::keyClick(search, Qt::Key_Delete);
    QCOMPARE(search->text(), QStringLiteral("b"));
    QVERIFY(f.env.platform().shown.isEmpty());
    search->clear();

    QTableView *view = list.grid()->view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(list.rows()->currentRow(), 2);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(list.rows()->currentRow(), 0);
    // Delete asks first; No keeps the record, Yes removes it.
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(f.env.platform().lastText(), f.kind.deleteQuestion(QStringLiteral("浙A1")));
    QCOMPARE(list.rows()->rowCount(), 3);
    f.env.platform().answers.enqueue(Platform::Answer::Yes);
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(list.rows()->rowCount(), 2);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from ") + f.kind.table), 2);
}

void RecordListTest::restrictedOperatorSeesOnlyTheirUnits()
{
    QFETCH(QString, word);
    KindFixture f(word, false);
    orvtest::LoggedInProgram program(orvtest::Operator::Restricted);
    QVERIFY(program.loggedIn());
    program.env().platform().clock = QDateTime(Today, QTime(10, 0));
    KindFixture::addFleet();
    for (const char *plate : {"浙A1", "浙A2", "浙A3", "浙X9"})
        f.add(QString::fromUtf8(plate), day(3, 5));
    auto *list = qobject_cast<RecordListWindow *>(program.openCommand(f.kind.command()));
    QVERIFY(list);
    QStringList plates;
    for (int row = 0; row < list->rows()->rowCount(); ++row)
        plates << list->rows()->text(row, u"F_CPcode");
    QCOMPARE(plates, (QStringList{"浙A1", "浙A2"}));
}

void RecordListTest::accidentListPrintsTwoTemplates()
{
    KindFixture f(QStringLiteral("sg"));
    f.add(QStringLiteral("浙A1"), day(3, 2));
    RecordListWindow &list = f.open();
    QCOMPARE(list.reportValue(QStringLiteral("memoDate")),
             QStringLiteral("事故日期：自 2024年03月01日 至 2024年03月15日"));
    QCOMPARE(list.reportValue(QStringLiteral("sCurKHname")), Globals::CompanyName);
    QStringList printed;
    const auto previous = PrintPreviewDialog::setInterceptor(
        [&](PrintPages &, const QString &name) { printed << name; });
    list.findChild<QAction *>(QStringLiteral("nPrint2"))->trigger();
    list.action(QStringLiteral("tbPrint"))->trigger();
    PrintPreviewDialog::setInterceptor(previous);
    QCOMPARE(printed.size(), 2);
    QVERIFY2(printed.at(0) != printed.at(1), qPrintable(printed.join(QLatin1Char('|'))));
    for (const char *name : {"nPrint1", "nPrint2", "nSet1", "nSet2"})
        QVERIFY2(list.findChild<QAction *>(QString::fromLatin1(name)), name);
    QCOMPARE(list.findChild<QAction *>(QStringLiteral("nPrint2"))->text(),
             QStringLiteral("车辆事故记录表格"));
    QVERIFY(list.action(QStringLiteral("tbPrint"))->menu());
}

ORV_TEST(RecordListTest)
#include "RecordListTest.moc"
