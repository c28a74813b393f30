#include "forms/ListWindow.h"
#include "app/DataModule.h"
#include "app/WindowPlacement.h"
#include "forms/GroupPanel.h"
#include "grids/DataGrid.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

// A list window with a search box and the group panel over the vehicles: what a list window
// writes itself is its filter bar, its statement and its commands.
class VehicleList : public ListWindow {
public:
    VehicleList() : ListWindow(QStringLiteral("TestList"), QStringLiteral("测试"), {}, nullptr)
    {
        setTools({Tools::New, Tools::Delete, Tools::Separator, Tools::First, Tools::Prior,
                  Tools::Next, Tools::Last, Tools::Separator, Tools::Exit});
        search = new QLineEdit;
        search->setObjectName(QStringLiteral("Edit1"));
        setFilterBar(search);
        setCountLabel(QStringLiteral("记录数："));
        GroupPanel *groups = addGroupPanel([this] { refresh(); });
        groups->setTypes({{QStringLiteral("归属单位"), QStringLiteral("归属单位"),
                           SqlStatement(QStringLiteral("select distinct F_GSoffice as F_name from "
                                                       "T_cars order by F_GSoffice")),
                           QStringLiteral("F_GSoffice")}});
        connect(action(Tools::Delete.objectName), &QAction::triggered, this, [this] { ++deletes; });
    }
    void refresh()
    {
        SqlStatement s(QStringLiteral("select * from T_cars where (1=1) "));
        s.append(groupPanel()->filter());
        s.append(QStringLiteral("order by F_code"));
        openRows(s);
    }
    QStringList plates()
    {
        QStringList p;
        for (int row = 0; row < rows()->rowCount(); ++row)
            p << rows()->text(row, u"F_code");
        return p;
    }
    QLineEdit *search;
    int deletes = 0;

protected:
    void firstShow() override { groupPanel()->fillGroupList(0); }
};

} // namespace

class ListWindowTest : public QObject {
    Q_OBJECT
private slots:
    void groupPanelNarrowsByABoundValue();
    void pageKeysEditInTheSearchBoxAndBrowseElsewhere();
    void placementKeepsTheDesignedSize();
};

void ListWindowTest::groupPanelNarrowsByABoundValue()
{
    TestEnvironment env;
    env.connect();
    orvtest::addVehicle(QStringLiteral("浙A1"), orvtest::QuotedUnit);
    orvtest::addVehicle(QStringLiteral("浙A2"), orvtest::PlainUnit);
    orvtest::addVehicle(QStringLiteral("浙A3"), QStringLiteral("O"));
    VehicleList list;
    list.show();
    GroupPanel *groups = list.groupPanel();
    QCOMPARE(groups->rowCount(), 4);
    QCOMPARE(groups->valueAt(0), QStringLiteral("全部"));
    QCOMPARE(list.plates(), (QStringList{"浙A1", "浙A2", "浙A3"}));
    QCOMPARE(list.countPanel()->text(), QStringLiteral("记录数：3"));

    // The unit with a quote matches as it is, and only itself.
    const int quoted =
        int(groups->list()
                ->model()
                ->match(groups->list()->model()->index(0, 1), Qt::DisplayRole, orvtest::QuotedUnit)
                .value(0)
                .row());
    groups->chooseRow(quoted);
    QCOMPARE(list.plates(), QStringList{"浙A1"});
    groups->chooseRow(0);
    QCOMPARE(list.plates().size(), 3);
}

void ListWindowTest::pageKeysEditInTheSearchBoxAndBrowseElsewhere()
{
    TestEnvironment env;
    env.connect();
    for (const char *plate : {"浙A1", "浙A2", "浙A3"})
        orvtest::addVehicle(QString::fromUtf8(plate));
    VehicleList list;
    list.show();
    QApplication::setActiveWindow(&list);
    QVERIFY(QTest::qWaitForWindowActive(&list));

    // In the search box Home, End and Delete edit the text, and the list stays where it is.
    list.search->setFocus();
    QTest::keyClicks(list.search, QStringLiteral("abc"));
    QTest::keyClick(list.search, Qt::Key_Home);
    QCOMPARE(list.search->cursorPosition(), 0);
    QTest::keyClick(list.search, Qt::Key_Delete);
    QCOMPARE(list.search->text(), QStringLiteral("bc"));
    QTest::keyClick(list.search, Qt::Key_End);
    QCOMPARE(list.search->cursorPosition(), 2);
    QCOMPARE(list.rows()->currentRow(), 0);
    QCOMPARE(list.deletes, 0);

    // Elsewhere they act on the list.
    list.grid()->view()->setFocus();
    QTest::keyClick(list.grid()->view(), Qt::Key_End);
    QCOMPARE(list.rows()->currentRow(), 2);
    QVERIFY(!list.action(QStringLiteral("tbLast"))->isEnabled());
    QTest::keyClick(list.grid()->view(), Qt::Key_PageUp);
    QCOMPARE(list.rows()->currentRow(), 1);
    QTest::keyClick(list.grid()->view(), Qt::Key_Home);
    QCOMPARE(list.rows()->currentRow(), 0);
    QTest::keyClick(list.grid()->view(), Qt::Key_Delete);
    QCOMPARE(list.deletes, 1);
    // Esc closes the window.
    QTest::keyClick(list.grid()->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list.isVisible());
}

void ListWindowTest::placementKeepsTheDesignedSize()
{
    QWidget owner;
    owner.resize(760, 560);
    owner.show();
    QDialog dialog(&owner);
    dialog.resize(500, 400);
    DispFormPos(&dialog, 1);
    QCOMPARE(dialog.size(), QSize(500, 400));
    const QPoint offset = dialog.frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

ORV_TEST(ListWindowTest)
#include "ListWindowTest.moc"
