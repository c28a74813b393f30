#include "ArchiveFixture.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "db/RecordKinds.h"
#include "forms/GroupPanel.h"
#include "grids/DataGrid.h"
#include "grids/GridModel.h"
#include "records/RecordEditor.h"
#include "support/TestMain.h"
#include "vehicles/VehicleEditor.h"
#include "widgets/NumberEdit.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace archivetest;

namespace {

const QString Plate = QStringLiteral("F_code");

int searchIndex(const QString &caption)
{
    const QStringList captions{"车牌", "型号", "发动机", "底盘", "载重", "座位", "备注"};
    return int(captions.indexOf(caption));
}

void search(VehicleArchiveWindow &archive, int type, const QString &text)
{
    child<QComboBox>(&archive, "ComboBox1")->setCurrentIndex(type);
    child<QLineEdit>(&archive, "Edit1")->setText(text);
    child<QPushButton>(&archive, "bbFind")->click();
}

bool drawnRed(VehicleArchiveWindow &archive, int row)
{
    const QVariant brush =
        archive.grid()->model()->data(archive.grid()->model()->index(row, 0), Qt::ForegroundRole);
    return brush.isValid() && brush.value<QBrush>().color() == QColor(Qt::red);
}

bool captionIsRed(QToolButton *button)
{
    return button->palette().color(QPalette::ButtonText) == QColor(Qt::red);
}

} // namespace

class VehicleArchiveTest : public QObject {
    Q_OBJECT
private slots:
    void listNarrowsAndWidensForEachOperator_data();
    void listNarrowsAndWidensForEachOperator();
    void searchesMatchTheTypedTextLiterally_data();
    void searchesMatchTheTypedTextLiterally();
    void advancedQueryHoldsUntilTheNextSearch();
    void deletingAVehicleKeepsItsRecords();
    void vehicleEditorAddsAndTheListFollows();
    void recordPagesFollowTheCurrentVehicle();
    void deletingARecordAsksWithItsDate_data();
    void deletingARecordAsksWithItsDate();
    void recordAddedHereBelongsToTheCurrentVehicle();
    void keysActOnTheListOutsideTheSearchBox();
    void columnsTakeTheSessionsCaptionsAndFormats();
};

void VehicleArchiveTest::listNarrowsAndWidensForEachOperator_data()
{
    QTest::addColumn<bool>("restricted");
    QTest::addColumn<QStringList>("opening");
    QTest::addColumn<QStringList>("toyotas");
    QTest::addColumn<QStringList>("withOutOfService");
    QTest::newRow("admin") << false << QStringList{"浙A1", "浙A2", "浙A3"}
                           << QStringList{"浙A1", "浙A3"}
                           << QStringList{"浙A1", "浙A2", "浙A3", "浙X9"};
    // The unit with a quote in its name matches through its bound value.
    QTest::newRow("restricted") << true << QStringList{"浙A1", "浙A2"} << QStringList{"浙A1"}
                                << QStringList{"浙A1", "浙A2", "浙X9"};
}

void VehicleArchiveTest::listNarrowsAndWidensForEachOperator()
{
    QFETCH(bool, restricted);
    QFETCH(QStringList, opening);
    QFETCH(QStringList, toyotas);
    QFETCH(QStringList, withOutOfService);
    const auto who = restricted ? orvtest::Operator::Restricted : orvtest::Operator::Admin;
    const bool opened = inArchiveOf(who, [&](VehicleArchiveWindow &archive) {
        QCOMPARE(archive.windowTitle(), QStringLiteral("车辆信息资料管理"));
        QCOMPARE(plates(archive), opening);
        QCOMPARE(archive.countPanel()->text(),
                 QStringLiteral("车辆总数：") + QString::number(opening.size()));
        // Brands of every vehicle in service, whatever the operator's units; 全部 chosen.
        GroupPanel *groups = archive.groupPanel();
        QCOMPARE(groups->typeBox()->currentText(), QStringLiteral("车辆品牌"));
        QVERIFY(groups->isAll());
        QCOMPARE(groups->rowCount(), 3);
        QCOMPARE(groups->valueAt(1), QStringLiteral("丰田"));

        groups->chooseRow(1);
        QCOMPARE(plates(archive), toyotas);
        groups->chooseRow(0);
        QCOMPARE(plates(archive), opening);
        groups->chooseRow(1);
        groups->typeBox()->setCurrentIndex(1); // 车辆类型 starts again on 全部
        QVERIFY(groups->isAll());
        QCOMPARE(plates(archive), opening);

        child<QCheckBox>(&archive, "CheckBox2")->click();
        QCOMPARE(plates(archive), withOutOfService);
        QVERIFY(drawnRed(archive, int(withOutOfService.indexOf("浙X9"))));
        QVERIFY(!drawnRed(archive, 0));
    });
    QVERIFY(opened);
}

void VehicleArchiveTest::searchesMatchTheTypedTextLiterally_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char *name, const char *type, const char *text,
                        const QStringList &expected) {
        QTest::newRow(name) << QString::fromUtf8(type) << QString::fromUtf8(text) << expected;
    };
    row("plate", "车牌", " a1 ", {"浙A1"});
    row("load, empty text: no null loads", "载重", "", {"浙A1", "浙A3"});
    row("load", "载重", "5", {"浙A1"});
    row("memo, quote and wildcards", "备注", "'N%_", {"浙A1"});
    row("no type: the text is ignored", "", "zzz", {"浙A1", "浙A2", "浙A3"});
}

void VehicleArchiveTest::searchesMatchTheTypedTextLiterally()
{
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    ArchiveFixture f;
    VehicleArchiveWindow &archive = f.open();
    search(archive, searchIndex(type), text);
    QCOMPARE(plates(archive), expected);
    QCOMPARE(archive.countPanel()->text(),
             QStringLiteral("车辆总数：") + QString::number(expected.size()));
    // Another search type empties the text.
    child<QComboBox>(&archive, "ComboBox1")->setCurrentIndex(searchIndex("型号"));
    QCOMPARE(child<QLineEdit>(&archive, "Edit1")->text(), QString());
}

void VehicleArchiveTest::advancedQueryHoldsUntilTheNextSearch()
{
    ArchiveFixture f;
    VehicleArchiveWindow &archive = f.open();
    auto *advanced = child<QToolButton>(&archive, "SpeedButton1");

    // Out-of-service vehicles too, as the dialog asks.
    bool asked = false;
    orvtest::whenModalNamed(QStringLiteral("TDlgCarinfoCX"), [&](QWidget *dialog) {
        child<QLineEdit>(dialog, "edtCode")->setText(QStringLiteral("浙X"));
        child<QRadioButton>(dialog, "rbAll")->setChecked(true);
        child<QPushButton>(dialog, "btnQuery")->click();
        asked = true;
    });
    advanced->click();
    QVERIFY(asked);
    QCOMPARE(plates(archive), QStringList{"浙X9"});
    QCOMPARE(archive.countPanel()->text(), QStringLiteral("车辆总数：1"));
    QVERIFY(advanced->isChecked());
    QVERIFY(captionIsRed(advanced));

    // 查找(F3) returns to the filters and releases the button.
    child<QPushButton>(&archive, "bbFind")->click();
    QCOMPARE(plates(archive), (QStringList{"浙A1", "浙A2", "浙A3"}));
    QVERIFY(!advanced->isChecked());
    QVERIFY(!captionIsRed(advanced));

    // A cancelled dialog leaves the list and releases the button.
    orvtest::whenModalNamed(QStringLiteral("TDlgCarinfoCX"), [](QWidget *dialog) {
        child<QPushButton>(dialog, "btnClose")->click();
    });
    advanced->click();
    QVERIFY(!advanced->isChecked());
    QCOMPARE(plates(archive), (QStringList{"浙A1", "浙A2", "浙A3"}));
}

void VehicleArchiveTest::deletingAVehicleKeepsItsRecords()
{
    ArchiveFixture f;
    const RecordKind &repairs = *RecordKinds::byWord(QStringLiteral("wx"));
    f.addRecord(repairs, QStringLiteral("浙A1"), QStringLiteral("2024-03-01"));
    f.addRecord(repairs, QStringLiteral("浙A1"), QStringLiteral("2024-03-02"));
    VehicleArchiveWindow &archive = f.open();
    QAction *del = archive.action(QStringLiteral("tbDel"));

    del->trigger(); // declined
    QCOMPARE(f.env.platform().shown.constLast().caption, QStringLiteral("系统提示"));
    QCOMPARE(f.env.platform().lastText(),
             QStringLiteral("真的要删除车辆牌为 \"浙A1\" 的信息资料吗？"));
    QCOMPARE(plates(archive).size(), 3);

    f.env.platform().answers.enqueue(Platform::Answer::Yes);
    del->trigger();
    QCOMPARE(plates(archive), (QStringList{"浙A2", "浙A3"}));
    QCOMPARE(archive.countPanel()->text(), QStringLiteral("车辆总数：2"));
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from T_cars")), 3);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from T_WXrec")), 2);
    // The records now shown are the new current vehicle's.
    QCOMPARE(archive.details()->rows(0)->rowCount(), 0);
}

void VehicleArchiveTest::vehicleEditorAddsAndTheListFollows()
{
    ArchiveFixture f;
    VehicleArchiveWindow &archive = f.open();

    // 修改 on an empty list says so and opens nothing.
    search(archive, searchIndex("车牌"), QStringLiteral("无此车"));
    QVERIFY(plates(archive).isEmpty());
    archive.action(QStringLiteral("tbEdit"))->trigger();
    QCOMPARE(f.env.platform().lastText(), QStringLiteral("此表为空，没有记录需要修改！"));
    search(archive, -1, QString());

    bool saved = false;
    orvtest::whenModalNamed(QStringLiteral("TfrmCARedit"), [&](QWidget *w) {
        auto &editor = static_cast<VehicleEditor &>(*w);
        child<QLineEdit>(&editor, "edtCode")->setText(QStringLiteral("浙A0"));
        saved = editor.save();
        if (editor.isVisible())
            editor.reject();
    });
    archive.action(QStringLiteral("tbNew"))->trigger();
    QVERIFY(saved);
    QCOMPARE(plates(archive), (QStringList{"浙A0", "浙A1", "浙A2", "浙A3"}));
    QCOMPARE(archive.rows()->fieldText(Plate), QStringLiteral("浙A0"));
    QCOMPARE(archive.countPanel()->text(), QStringLiteral("车辆总数：4"));
}

void VehicleArchiveTest::recordPagesFollowTheCurrentVehicle()
{
    ArchiveFixture f;
    const RecordKind &repairs = *RecordKinds::byWord(QStringLiteral("wx"));
    const RecordKind &fuel = *RecordKinds::byWord(QStringLiteral("yh"));
    f.addRecord(repairs, QStringLiteral("浙A1"), QStringLiteral("2024-03-01"));
    f.addRecord(repairs, QStringLiteral("浙A1"), QStringLiteral("2024-03-02"));
    f.addRecord(repairs, QStringLiteral("浙A2"), QStringLiteral("2024-03-03"));
    f.addRecord(fuel, QStringLiteral("浙A2"), QStringLiteral("2024-03-04"));
    VehicleArchiveWindow &archive = f.open();
    DetailPages *pages = archive.details();
    auto *pageControl = child<QStackedWidget>(&archive, "rpcList");

    QCOMPARE(pages->pageList()->count(), 11);
    QCOMPARE(pages->pageList()->item(8)->text(), QStringLiteral("费用支出"));
    QCOMPARE(pageControl->currentIndex(), 0);
    QCOMPARE(pages->pageList()->currentItem()->text(), QStringLiteral("维修记录"));
    QCOMPARE(column(pages->rows(0), repairs.dateField), (QStringList{"2024-03-01", "2024-03-02"}));
    archive.rows()->next();
    QCOMPARE(column(pages->rows(0), repairs.dateField), QStringList{"2024-03-03"});
    for (int page = 0; page < 11; ++page)
        QVERIFY(pages->isOpen(page));

    // 油耗记录 shows the fuel page; the other pages stay closed until the next search.
    pages->pageList()->setCurrentRow(10);
    QCOMPARE(pageControl->currentIndex(), 10);
    QCOMPARE(pageControl->currentWidget()->objectName(), QStringLiteral("DBGridEh12"));
    QCOMPARE(column(pages->rows(10), fuel.dateField), QStringList{"2024-03-04"});
    QVERIFY(!pages->isOpen(0));
    QVERIFY(!pages->rows(0)->isActive());
    archive.rows()->first();
    QCOMPARE(pages->rows(10)->rowCount(), 0);
    QVERIFY(!pages->isOpen(0));

    child<QPushButton>(&archive, "bbFind")->click();
    QVERIFY(pages->isOpen(0));
    QCOMPARE(pages->rows(0)->rowCount(), 2);
    QCOMPARE(pageControl->currentIndex(), 10);
}

void VehicleArchiveTest::deletingARecordAsksWithItsDate_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("question");
    const QString date = QStringLiteral("2024-03-05");
    const std::pair<const char *, const char *> words[] = {
        {"wx", "维修"},   {"tb", "投保"},   {"jf", "缴费"}, {"ns", "年审"},
        {"sg", "事故"},   {"wz", "违章"},   {"ts", "投诉"}, {"cc", "出车"},
        {"fyzc", "支出"}, {"fysr", "收入"}, {"yh", "加油"},
    };
    for (const auto &[word, subject] : words) {
        const QString s = QString::fromUtf8(subject);
        QTest::newRow(word) << QString::fromLatin1(word)
                            << QStringLiteral("真的要删除当前") + s + QStringLiteral("日期为“") +
                                   date + QStringLiteral("”的") + s + QStringLiteral("记录吗？");
    }
}

void VehicleArchiveTest::deletingARecordAsksWithItsDate()
{
    QFETCH(QString, word);
    QFETCH(QString, question);
    ArchiveFixture f;
    const RecordKind &kind = *RecordKinds::byWord(word);
    const int page = kind.number - 1;
    f.addRecord(kind, QStringLiteral("浙A1"), QStringLiteral("2024-03-05"));
    f.addRecord(kind, QStringLiteral("浙A2"), QStringLiteral("2024-03-05"));
    VehicleArchiveWindow &archive = f.open();
    DetailPages *pages = archive.details();
    pages->pageList()->setCurrentRow(page);
    QCOMPARE(pages->pageList()->currentItem()->text(), kind.archiveItem);

    pages->action(QStringLiteral("tbdDel"))->trigger(); // declined
    QCOMPARE(f.env.platform().lastText(), question);
    QCOMPARE(pages->rows(page)->rowCount(), 1);

    f.env.platform().answers.enqueue(Platform::Answer::Yes);
    pages->action(QStringLiteral("tbdDel"))->trigger();
    QCOMPARE(pages->rows(page)->rowCount(), 0);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from ") + kind.table), 1);
    // 删除 on the empty page asks nothing.
    const int asked = f.env.platform().shown.size();
    pages->action(QStringLiteral("tbdDel"))->trigger();
    QCOMPARE(f.env.platform().shown.size(), asked);
}

void VehicleArchiveTest::recordAddedHereBelongsToTheCurrentVehicle()
{
    ArchiveFixture f;
    const RecordKind &expenses = *RecordKinds::byWord(QStringLiteral("fyzc"));
    VehicleArchiveWindow &archive = f.open();
    archive.rows()->moveTo(1); // 浙A2
    DetailPages *pages = archive.details();
    pages->pageList()->setCurrentRow(expenses.number - 1);

    pages->action(QStringLiteral("tbdEdit"))->trigger();
    QCOMPARE(f.env.platform().lastText(), QStringLiteral("此表为空，没有记录需要修改！"));

    bool saved = false;
    orvtest::whenModalNamed(expenses.editorClass(), [&](QWidget *w) {
        auto &editor = static_cast<RecordEditor &>(*w);
        auto *plate = child<QLineEdit>(&editor, "edtCPcode");
        QCOMPARE(plate->text(), QStringLiteral("浙A2"));
        QVERIFY(plate->isReadOnly());
        QVERIFY(!child<QToolButton>(&editor, "sbSPcode")->isVisible());
        child<QComboBox>(&editor, "cbbZCtype")->setEditText(QStringLiteral("过路费"));
        child<NumberEdit>(&editor, "ceZCprice")->setValue(35);
        saved = editor.save();
        if (editor.isVisible())
            editor.reject();
    });
    pages->action(QStringLiteral("tbdNew"))->trigger();
    QVERIFY(saved);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from T_ZCrec where F_mainID = :id and "
                                          "F_CPcode = '浙A2'"),
                           {{QStringLiteral("id"), f.ids.value(QStringLiteral("浙A2"))}}),
             1);
    QCOMPARE(column(pages->rows(expenses.number - 1), QStringLiteral("F_ZCtype")),
             QStringList{"过路费"});
}

void VehicleArchiveTest::keysActOnTheListOutsideTheSearchBox()
{
    ArchiveFixture f;
    VehicleArchiveWindow &archive = f.open();
    QApplication::setActiveWindow(&archive);
    QVERIFY(QTest::qWaitForWindowActive(&archive));

    QTableView *view = archive.grid()->view();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(archive.rows()->fieldText(Plate), QStringLiteral("浙A3"));
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(archive.rows()->fieldText(Plate), QStringLiteral("浙A1"));
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(f.env.platform().lastText(), VehicleArchiveWindow::deleteQuestion("浙A1"));
    f.env.platform().clearRecord();

    // In the search text the editing keys edit; Enter searches and goes back to the type.
    auto *type = child<QComboBox>(&archive, "ComboBox1");
    auto *text = child<QLineEdit>(&archive, "Edit1");
    type->setCurrentIndex(searchIndex("车牌"));
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Return);
    QVERIFY(text->hasFocus());
    QTest::keyClicks(text, QStringLiteral("xA2"));
    QTest::keyClick(text, Qt::Key_Home);
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(text->text(), QStringLiteral("A2"));
    QVERIFY(f.env.platform().shown.isEmpty());
    QCOMPARE(plates(archive).size(), 3);
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(plates(archive), QStringList{"浙A2"});
    QVERIFY(type->hasFocus());

    text->clear();
    QTest::keyClick(type, Qt::Key_F3);
    QCOMPARE(plates(archive).size(), 3);
}

void VehicleArchiveTest::columnsTakeTheSessionsCaptionsAndFormats()
{
    ArchiveFixture f;
    Globals::KeyValues[1] = QStringLiteral("车架号");
    Globals::KeyValues[11] = QStringLiteral("保养日期");
    VehicleArchiveWindow &archive = f.open();
    DataGrid *grid = archive.grid();
    // The seeded layout: the fifteen vehicle fields, then the eleven custom ones.
    QCOMPARE(grid->columnCount(), 26);
    QCOMPARE(grid->column(u"F_ZF1")->title, QStringLiteral("车架号"));
    QCOMPARE(grid->column(u"F_RQ3")->title, QStringLiteral("保养日期"));
    QCOMPARE(grid->column(u"F_BuyPrice")->displayFormat, Globals::AmountFormat);
    // Titles sort the list, except memos, whose marker only turns.
    const int memo = grid->columnIndex(u"F_memo1");
    grid->clickTitle(memo);
    QCOMPARE(grid->columnAt(memo).sortMarker, GridColumn::SortMarker::Ascending);
    grid->clickTitle(memo);
    QCOMPARE(grid->columnAt(memo).sortMarker, GridColumn::SortMarker::Descending);
    QCOMPARE(plates(archive), (QStringList{"浙A1", "浙A2", "浙A3"}));
    grid->clickTitle(grid->columnIndex(Plate));
    grid->clickTitle(grid->columnIndex(Plate));
    QCOMPARE(plates(archive), (QStringList{"浙A3", "浙A2", "浙A1"}));

    // Record pages: their seeded layouts with the kinds' formats and summing footers.
    DataGrid *fuel = archive.details()->grid(10);
    QCOMPARE(fuel->columnCount(), RecordKinds::byWord(QStringLiteral("yh"))->columns.size());
    QCOMPARE(fuel->column(u"F_DJprice")->displayFormat, Globals::PriceFormat);
    QCOMPARE(fuel->column(u"F_totalprice")->displayFormat, Globals::AmountFormat);
    QCOMPARE(fuel->column(u"F_YLnum")->footerType, GridColumn::Footer::Sum);
    DataGrid *trips = archive.details()->grid(7);
    QCOMPARE(trips->column(u"F_GLnum")->displayFormat, Globals::QuantityFormat);
}

ORV_TEST(VehicleArchiveTest)
#include "VehicleArchiveTest.moc"
