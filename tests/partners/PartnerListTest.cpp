#include "PartnerFixture.h"

#include "support/TestMain.h"
#include "support/program/ProgramFixture.h"

#include <QAction>
#include <QLabel>

using namespace partnertest;

class PartnerListTest : public QObject {
    Q_OBJECT
private slots:
    void listsUnitsInUseAndSearchesLiterally_data() { everyKind(); }
    void listsUnitsInUseAndSearchesLiterally();
    void valueListsForPositionAndSex_data() { everyKind(); }
    void valueListsForPositionAndSex();
    void deleteAsksWithTheUnitName_data() { everyKind(); }
    void deleteAsksWithTheUnitName();
    void everyOperatorSeesEveryUnit_data();
    void everyOperatorSeesEveryUnit();
};

void PartnerListTest::listsUnitsInUseAndSearchesLiterally()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    addUnit(f.kind, QStringLiteral("0002"), QStringLiteral("O'N%_厂"),
            {{QStringLiteral("F_empName"), QStringLiteral("李王")}});
    addUnit(f.kind, QStringLiteral("0001"), QStringLiteral("王记汽修"),
            {{QStringLiteral("F_empName"), QStringLiteral("王小明")},
             {QStringLiteral("F_memo1"), QStringLiteral("ON")}});
    addUnit(f.kind, QStringLiteral("0003"), QStringLiteral("停用厂"),
            {{QStringLiteral("F_useFlag"), true}});
    PartnerListWindow &list = f.open();
    QCOMPARE(list.windowTitle(), f.kind.listCaption);
    QCOMPARE(list.layoutKey(), f.kind.layoutKey());
    // The database comes with the kind's layout: its columns, titled.
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from cfg_grid where F_name = :key"),
                           {{QStringLiteral("key"), f.kind.layoutKey()}}),
             int(PartnerKinds::columns().size()));
    QCOMPARE(list.grid()->columnAt(2).title, QStringLiteral("联系人"));
    QCOMPARE(codes(list), (QStringList{"0001", "0002"}));
    QCOMPARE(list.countPanel()->text(), QStringLiteral("记录数：2"));

    SearchBar *bar = list.searchBar();
    // 名称 finds the text anywhere; a quote, "%" and "_" match only themselves.
    search(bar, 1, QStringLiteral("'N%_"));
    QCOMPARE(codes(list), QStringList{"0002"});
    search(bar, 1, QStringLiteral("汽"));
    QCOMPARE(codes(list), QStringList{"0001"});
    // 联系人 finds names that begin with the text.
    search(bar, 2, QStringLiteral("王"));
    QCOMPARE(codes(list), QStringList{"0001"});
    // 备注: "_" does not stand for any character.
    search(bar, 6, QStringLiteral("O_"));
    QCOMPARE(codes(list), QStringList());

    // The units out of use only when asked for, in red; a title click does not sort.
    bar->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(-1);
    bar->findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->setChecked(true);
    QCOMPARE(codes(list), (QStringList{"0001", "0002", "0003"}));
    QVERIFY(markedRed(list, 2));
    QVERIFY(!markedRed(list, 0));
    list.grid()->clickTitle(list.grid()->columnIndex(u"F_name"));
    QCOMPARE(list.grid()->cellText(0, 0), QStringLiteral("0001"));
}

void PartnerListTest::valueListsForPositionAndSex()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    orvtest::addRow(QStringLiteral("t_code"), {{QStringLiteral("F_type"), QStringLiteral("zwname")},
                                               {QStringLiteral("F_name"), QStringLiteral("经理")}});
    addUnit(f.kind, QStringLiteral("0001"), QStringLiteral("甲"),
            {{QStringLiteral("F_ZWname"), QStringLiteral("经理")},
             {QStringLiteral("F_sex"), QStringLiteral("女")}});
    addUnit(f.kind, QStringLiteral("0002"), QStringLiteral("乙"),
            {{QStringLiteral("F_ZWname"), QStringLiteral("会计")},
             {QStringLiteral("F_sex"), QStringLiteral("男")}});
    PartnerListWindow &list = f.open();
    SearchBar *bar = list.searchBar();
    bar->textBox()->setText(QStringLiteral("x"));
    search(bar, 3, QStringLiteral("经理"));
    QVERIFY(!bar->textBox()->isVisibleTo(bar));
    QCOMPARE(bar->textBox()->text(), QString());
    QVERIFY(bar->valueList()->findText(QStringLiteral("经理")) >= 0);
    QCOMPARE(codes(list), QStringList{"0001"});
    search(bar, 4, QStringLiteral("男"));
    QCOMPARE(bar->valueList()->count(), 2);
    QCOMPARE(codes(list), QStringList{"0002"});
    search(bar, 0, QStringLiteral("000"));
    QVERIFY(bar->textBox()->isVisibleTo(bar));
    QCOMPARE(codes(list), (QStringList{"0001", "0002"}));
}

void PartnerListTest::deleteAsksWithTheUnitName()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    addUnit(f.kind, QStringLiteral("0001"), QStringLiteral("O'Neil 修理"));
    addUnit(f.kind, QStringLiteral("0002"), QStringLiteral("乙"));
    PartnerListWindow &list = f.open();
    list.action(QStringLiteral("tbDel"))->trigger();
    QCOMPARE(f.env.platform().lastText(), f.kind.deleteQuestion(QStringLiteral("O'Neil 修理")));
    QCOMPARE(count(f.kind.table), 2);
    f.env.platform().answers.enqueue(Platform::Answer::Yes);
    list.action(QStringLiteral("tbDel"))->trigger();
    QCOMPARE(codes(list), QStringList{"0002"});
    QCOMPARE(list.countPanel()->text(), QStringLiteral("记录数：1"));

    // 修改 on an empty list is refused.
    f.env.platform().answers.enqueue(Platform::Answer::Yes);
    list.action(QStringLiteral("tbDel"))->trigger();
    QVERIFY(codes(list).isEmpty());
    list.action(QStringLiteral("tbEdit"))->trigger();
    QCOMPARE(f.env.platform().lastText(), ListWindow::NothingToEditMessage);
}

void PartnerListTest::everyOperatorSeesEveryUnit_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("restricted");
    for (const PartnerKind &kind : PartnerKinds::all())
        for (const bool restricted : {false, true})
            QTest::addRow("%s-%s", qPrintable(kind.word), restricted ? "restricted" : "admin")
                << kind.word << restricted;
}

void PartnerListTest::everyOperatorSeesEveryUnit()
{
    QFETCH(QString, word);
    QFETCH(bool, restricted);
    const PartnerKind &kind = *PartnerKinds::byWord(word);
    orvtest::LoggedInProgram program(restricted ? orvtest::Operator::Restricted
                                                : orvtest::Operator::Admin);
    QVERIFY(program.loggedIn());
    addUnit(kind, QStringLiteral("0001"), orvtest::PlainUnit);
    addUnit(kind, QStringLiteral("0002"), QStringLiteral("别的单位"));
    auto *list = qobject_cast<PartnerListWindow *>(program.openCommand(kind.command));
    QVERIFY(list);
    QCOMPARE(list->objectName(), kind.listClass());
    QCOMPARE(codes(*list), (QStringList{"0001", "0002"}));
}

ORV_TEST(PartnerListTest)
#include "PartnerListTest.moc"
