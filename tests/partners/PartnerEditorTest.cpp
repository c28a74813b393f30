#include "PartnerFixture.h"

#include "forms/EditorDialog.h"
#include "support/TestMain.h"
#include "widgets/ReadOnlyLook.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace partnertest;

class PartnerEditorTest : public QObject {
    Q_OBJECT
private slots:
    void numberChecksThenSaveEveryField_data() { everyKind(); }
    void numberChecksThenSaveEveryField();
    void changeKeepsTheNumber_data() { everyKind(); }
    void changeKeepsTheNumber();
    void generatedNumbersSkipATakenOne_data() { everyKind(); }
    void generatedNumbersSkipATakenOne();
    void refusedSaveKeepsEveryInput_data() { everyKind(); }
    void refusedSaveKeepsEveryInput();
    void sendMailNeedsAnAddress();
};

void PartnerEditorTest::numberChecksThenSaveEveryField()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    addUnit(f.kind, QStringLiteral("0001"), QStringLiteral("甲"));
    f.open();
    const int logged = logCount();
    QVERIFY(f.inEditor(false, [&](PartnerEditor &e) {
        QCOMPARE(e.windowTitle(), f.kind.recordTitle + EditorDialog::AddSuffix);
        QCOMPARE(e.findChild<QToolButton *>(QStringLiteral("sbZWname"))->toolTip(),
                 f.kind.positionHint);
        QVERIFY(e.continuousAdd()->isVisibleTo(&e));
        QVERIFY(!e.navigator()->isVisibleTo(&e));
        setText(&e, "edtcode", QStringLiteral("  "));
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), f.kind.emptyCodeMessage);
        setText(&e, "edtcode", QStringLiteral("0001"));
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), f.kind.duplicateCodeMessage);
        QVERIFY(e.isVisible());
        QCOMPARE(count(f.kind.table), 1);

        setText(&e, "edtcode", QStringLiteral(" 0002 "));
        setText(&e, "edtName", QStringLiteral("O'Neil 汽修 "));
        setText(&e, "edtEmpName", QStringLiteral("王小明"));
        setText(&e, "cbbZWname", QStringLiteral("经理"));
        e.findChild<QComboBox *>(QStringLiteral("cbbSex"))->setCurrentIndex(2);
        setText(&e, "edtPhone", QStringLiteral("0571-1"));
        setText(&e, "edtEmail", QStringLiteral("a@b.cn"));
        setText(&e, "Memo1", QStringLiteral("第一行\n第二行"));
        e.findChild<QCheckBox *>(QStringLiteral("cbUseFlag"))->setChecked(true);
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    QCOMPARE(count(f.kind.table), 2);
    const qint64 id = dm().QueryInt(QStringLiteral("select F_ID from ") + f.kind.table +
                                    QStringLiteral(" where F_code = '0002'"));
    QVERIFY(id > 0);
    QCOMPARE(stored(f.kind.table, id, QStringLiteral("F_name")).toString(),
             QStringLiteral("O'Neil 汽修"));
    QCOMPARE(stored(f.kind.table, id, QStringLiteral("F_sex")).toString(), QStringLiteral("女"));
    QCOMPARE(stored(f.kind.table, id, QStringLiteral("F_ZWname")).toString(),
             QStringLiteral("经理"));
    QCOMPARE(stored(f.kind.table, id, QStringLiteral("F_memo1")).toString(),
             QStringLiteral("第一行\n第二行"));
    QCOMPARE(stored(f.kind.table, id, QStringLiteral("F_useFlag")).toInt(), 1);
    QCOMPARE(logCount(), logged); // the partner editors write no log entry
    // Out of use: not listed until asked for; then the list stands on it after a save.
    QCOMPARE(codes(*f.list), QStringList{"0001"});
    f.list->searchBar()->findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->setChecked(true);
    QCOMPARE(codes(*f.list), (QStringList{"0001", "0002"}));
}

void PartnerEditorTest::changeKeepsTheNumber()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    addUnit(f.kind, QStringLiteral("0001"), QStringLiteral("甲"),
            {{QStringLiteral("F_sex"), QStringLiteral("男")}});
    addUnit(f.kind, QStringLiteral("0002"), QStringLiteral("乙"));
    f.open();
    f.list->rows()->moveTo(1);
    QVERIFY(f.inEditor(true, [&](PartnerEditor &e) {
        QCOMPARE(e.windowTitle(), f.kind.recordTitle + EditorDialog::ChangeSuffix);
        QVERIFY(hasReadOnlyLook(e.codeBox()));
        QCOMPARE(textOf(&e, "edtName"), QStringLiteral("乙"));
        // The navigator moves the list and the inputs follow.
        e.findChild<QToolButton *>(QStringLiteral("nbFirst"))->click();
        QCOMPARE(textOf(&e, "edtName"), QStringLiteral("甲"));
        QCOMPARE(textOf(&e, "cbbSex"), QStringLiteral("男"));
        setText(&e, "edtName", QStringLiteral("甲二"));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    QCOMPARE(f.list->rows()->fieldText(u"F_name"), QStringLiteral("甲二"));
    QCOMPARE(f.list->rows()->fieldText(u"F_code"), QStringLiteral("0001"));
    QCOMPARE(count(f.kind.table), 2);
}

void PartnerEditorTest::generatedNumbersSkipATakenOne()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    Globals::AutoCode = true;
    f.open();
    QVERIFY(f.inEditor(false, [&](PartnerEditor &e) {
        QApplication::setActiveWindow(&e);
        QCOMPARE(e.codeBox()->text(), QStringLiteral("0001"));
        QVERIFY(hasReadOnlyLook(e.codeBox()));
        e.continuousAdd()->setChecked(true);
        setText(&e, "edtName", QStringLiteral("甲"));
        e.okButton()->click();
        QVERIFY(e.isVisible());
        QCOMPARE(e.codeBox()->text(), QStringLiteral("0002"));
        QCOMPARE(textOf(&e, "edtName"), QString());
        QTRY_COMPARE(QApplication::focusWidget(), e.input(QStringLiteral("edtName")));
        // Another copy of the program takes 0002 meanwhile: this save takes the next number.
        addUnit(f.kind, QStringLiteral("0002"), QStringLiteral("别人的"));
        setText(&e, "edtName", QStringLiteral("乙"));
        e.okButton()->click();
        QVERIFY(f.env.platform().shown.isEmpty());
    }));
    QCOMPARE(dm().QueryString(QStringLiteral("select F_code from ") + f.kind.table +
                              QStringLiteral(" where F_name = '乙'")),
             QStringLiteral("0003"));
    QCOMPARE(count(f.kind.table), 3);
}

void PartnerEditorTest::refusedSaveKeepsEveryInput()
{
    QFETCH(QString, word);
    PartnerFixture f(word);
    f.open();
    QVERIFY(orvtest::refuseWrites(f.kind.table));
    QVERIFY(f.inEditor(false, [&](PartnerEditor &e) {
        setText(&e, "edtcode", QStringLiteral("0007"));
        setText(&e, "edtName", QStringLiteral("丙"));
        setText(&e, "edtAddress", QStringLiteral("杭州"));
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), EditorDialog::SaveFailedMessage);
        QVERIFY(e.isVisible());
        QCOMPARE(textOf(&e, "edtcode"), QStringLiteral("0007"));
        QCOMPARE(textOf(&e, "edtName"), QStringLiteral("丙"));
        QCOMPARE(textOf(&e, "edtAddress"), QStringLiteral("杭州"));
    }));
    QVERIFY(orvtest::allowWrites(f.kind.table));
    QCOMPARE(count(f.kind.table), 0);
}

void PartnerEditorTest::sendMailNeedsAnAddress()
{
    PartnerFixture f(QStringLiteral("WX"));
    f.open();
    QVERIFY(f.inEditor(false, [&](PartnerEditor &e) {
        setText(&e, "edtEmail", QStringLiteral("nobody"));
        e.findChild<QPushButton *>(QStringLiteral("Button4"))->click();
        QCOMPARE(f.env.platform().lastText(), PartnerEditor::BadEmailMessage);
        QVERIFY(f.env.platform().openedUrls.isEmpty());
        setText(&e, "edtEmail", QStringLiteral(" o'neil+x@mail.cn "));
        e.findChild<QPushButton *>(QStringLiteral("Button4"))->click();
        QCOMPARE(f.env.platform().openedUrls.size(), 1);
        QCOMPARE(f.env.platform().openedUrls.constFirst().toString(),
                 QStringLiteral("mailto:o'neil+x@mail.cn?subject"));
    }));
}

ORV_TEST(PartnerEditorTest)
#include "PartnerEditorTest.moc"
