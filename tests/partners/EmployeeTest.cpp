#include "PartnerFixture.h"

#include "forms/EditorDialog.h"
#include "forms/PictureSlot.h"
#include "support/TestMain.h"
#include "support/program/ProgramFixture.h"
#include "widgets/DatePicker.h"
#include "widgets/ReadOnlyLook.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace partnertest;

namespace {

const QString Table = QStringLiteral("T_employee");

qint64 addPerson(const QString &code, const QString &name, SqlParams extra = {})
{
    extra.insert(QStringLiteral("F_code"), code);
    extra.insert(QStringLiteral("F_name"), name);
    if (!extra.contains(QStringLiteral("F_useFlag")))
        extra.insert(QStringLiteral("F_useFlag"), false);
    return orvtest::addRow(Table, extra);
}

} // namespace

class EmployeeTest : public QObject {
    Q_OBJECT
private slots:
    void searchesOnEnterAndMatchLiterally();
    void leftEmployeesAndNoDates();
    void deleteAsksWithTheName();
    void everyOperatorOpensTheList_data();
    void everyOperatorOpensTheList();
    void numbersChecksAndGeneratedNumbers();
    void savesEveryFieldAndThePhoto();
    void refusedSaveKeepsEveryInput();
};

void EmployeeTest::searchesOnEnterAndMatchLiterally()
{
    EmployeeFixture f;
    addPerson(QStringLiteral("E0012"), QStringLiteral("张三"));
    addPerson(QStringLiteral("XE001"), QStringLiteral("O'N%_李"));
    addPerson(QStringLiteral("F0001"), QStringLiteral("ON李"));
    EmployeeListWindow &list = f.open();
    QCOMPARE(list.windowTitle(), EmployeeListWindow::Caption);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from cfg_grid where F_name = 'empman'")),
             17);
    QCOMPARE(list.grid()->columnAt(16).title, QStringLiteral("备注"));
    QCOMPARE(codes(list), (QStringList{"E0012", "F0001", "XE001"}));
    QApplication::setActiveWindow(&list);
    QVERIFY(QTest::qWaitForWindowActive(&list));

    SearchBar *bar = list.searchBar();
    bar->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(0); // 工号
    bar->textBox()->setFocus();
    QTest::keyClicks(bar->textBox(), QStringLiteral("E00"));
    QCOMPARE(codes(list).size(), 3); // typing alone does not search
    QTest::keyClick(bar->textBox(), Qt::Key_Return);
    QCOMPARE(codes(list), QStringList{"E0012"}); // begins with: not XE001
    QCOMPARE(QApplication::focusWidget(), bar->textBox());

    search(bar, 1, QStringLiteral("'N%_")); // 姓名, anywhere, literally
    bar->findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(codes(list), QStringList{"XE001"});
    bar->textBox()->setText(QStringLiteral("李"));
    QTest::keyClick(bar->textBox(), Qt::Key_Enter);
    QCOMPARE(codes(list), (QStringList{"F0001", "XE001"}));
}

void EmployeeTest::leftEmployeesAndNoDates()
{
    EmployeeFixture f;
    orvtest::addRow(QStringLiteral("t_code"), {{QStringLiteral("F_type"), QStringLiteral("dept")},
                                               {QStringLiteral("F_name"), QStringLiteral("车队")}});
    addPerson(QStringLiteral("0001"), QStringLiteral("甲"),
              {{QStringLiteral("F_SRdate"), QStringLiteral("1900-08-14")},
               {QStringLiteral("F_RZdate"), QStringLiteral("2020-05-06")},
               {QStringLiteral("F_dept"), QStringLiteral("车队")}});
    addPerson(QStringLiteral("0002"), QStringLiteral("乙"), {{QStringLiteral("F_useFlag"), true}});
    EmployeeListWindow &list = f.open();
    QCOMPARE(codes(list), QStringList{"0001"});
    QCOMPARE(list.grid()->cellText(0, list.grid()->columnIndex(u"F_SRdate")), QString());
    QCOMPARE(list.grid()->cellText(0, list.grid()->columnIndex(u"F_RZdate")),
             QStringLiteral("2020-05-06"));
    list.searchBar()->findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->setChecked(true);
    QCOMPARE(codes(list), (QStringList{"0001", "0002"}));
    QVERIFY(markedRed(list, 1));
    QVERIFY(!markedRed(list, 0));

    // 部门 chooses from the department codes; the choice searches on 查询.
    SearchBar *bar = list.searchBar();
    search(bar, 6, QStringLiteral("车队"));
    QVERIFY(bar->valueList()->findText(QStringLiteral("车队")) >= 0);
    bar->findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(codes(list), QStringList{"0001"});
}

void EmployeeTest::deleteAsksWithTheName()
{
    EmployeeFixture f;
    addPerson(QStringLiteral("0001"), QStringLiteral("O'Neil"));
    EmployeeListWindow &list = f.open();
    list.action(QStringLiteral("tbDel"))->trigger();
    QCOMPARE(f.env.platform().lastText(), QStringLiteral("真的要删除员工 \"O'Neil\" 的资料吗？"));
    QCOMPARE(count(Table), 1);
    f.env.platform().answers.enqueue(Platform::Answer::Yes);
    list.action(QStringLiteral("tbDel"))->trigger();
    QCOMPARE(count(Table), 0);
    QCOMPARE(list.countPanel()->text(), QStringLiteral("记录数：0"));
}

void EmployeeTest::everyOperatorOpensTheList_data()
{
    QTest::addColumn<bool>("restricted");
    QTest::newRow("admin") << false;
    QTest::newRow("restricted") << true;
}

void EmployeeTest::everyOperatorOpensTheList()
{
    QFETCH(bool, restricted);
    orvtest::LoggedInProgram program(restricted ? orvtest::Operator::Restricted
                                                : orvtest::Operator::Admin);
    QVERIFY(program.loggedIn());
    addPerson(QStringLiteral("0001"), QStringLiteral("甲"));
    addPerson(QStringLiteral("0002"), QStringLiteral("乙"));
    auto *list = qobject_cast<EmployeeListWindow *>(program.openCommand(201));
    QVERIFY(list);
    QCOMPARE(codes(*list), (QStringList{"0001", "0002"}));
}

void EmployeeTest::numbersChecksAndGeneratedNumbers()
{
    EmployeeFixture f;
    addPerson(QStringLiteral("E0012"), QStringLiteral("甲"));
    addPerson(QStringLiteral("E0003"), QStringLiteral("乙"));
    f.open();
    const int logged = logCount();
    QVERIFY(f.inEditor(false, [&](EmployeeEditor &e) {
        QCOMPARE(e.windowTitle(), EmployeeEditor::Title + EditorDialog::AddSuffix);
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), EmployeeEditor::EmptyCodeMessage);
        setText(&e, "edtCode", QStringLiteral("e0012")); // numbers ignore case
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), EmployeeEditor::DuplicateCodeMessage);
        QVERIFY(e.isVisible());
    }));
    // Changing an employee and keeping the number is accepted.
    f.list->rows()->moveTo(1);
    QVERIFY(f.inEditor(true, [&](EmployeeEditor &e) {
        QVERIFY(hasReadOnlyLook(e.codeBox()));
        QCOMPARE(e.codeBox()->text(), QStringLiteral("E0012"));
        setText(&e, "edtName", QStringLiteral("甲二"));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    QCOMPARE(f.list->rows()->fieldText(u"F_name"), QStringLiteral("甲二"));
    // Generated: after the largest number.
    Globals::AutoCode = true;
    QVERIFY(f.inEditor(false, [&](EmployeeEditor &e) {
        QCOMPARE(e.codeBox()->text(), QStringLiteral("E0013"));
        setText(&e, "edtName", QStringLiteral("丙"));
        e.okButton()->click();
    }));
    QCOMPARE(f.list->rows()->fieldText(u"F_code"), QStringLiteral("E0013"));
    QCOMPARE(count(Table), 3);
    QCOMPARE(logCount(), logged);
}

void EmployeeTest::savesEveryFieldAndThePhoto()
{
    EmployeeFixture f;
    orvtest::addRow(QStringLiteral("t_code"), {{QStringLiteral("F_type"), QStringLiteral("dept")},
                                               {QStringLiteral("F_name"), QStringLiteral("车队")}});
    // A department since deleted from the codes is kept as stored.
    addPerson(QStringLiteral("0001"), QStringLiteral("甲"),
              {{QStringLiteral("F_dept"), QStringLiteral("已撤销部门")}});
    QTemporaryDir dir;
    const QByteArray gif =
        QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");
    QFile file(dir.filePath(QStringLiteral("face.GIF")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gif);
    file.close();
    f.open();
    QVERIFY(f.inEditor(false, [&](EmployeeEditor &e) {
        QVERIFY(!e.findChild<DatePicker *>(QStringLiteral("dtpSRdate"))->isChecked());
        setText(&e, "edtCode", QStringLiteral("0002"));
        setText(&e, "edtName", QStringLiteral("乙"));
        e.findChild<QComboBox *>(QStringLiteral("cbbSex"))->setCurrentIndex(1);
        QComboBox *dept = e.findChild<QComboBox *>(QStringLiteral("cbbDept"));
        dept->setCurrentIndex(dept->findText(QStringLiteral("车队")));
        e.findChild<DatePicker *>(QStringLiteral("dtpRZdate"))->setDate(QDate(2021, 2, 3));
        setText(&e, "cbbJSnl", QStringLiteral("5年"));
        QString error;
        QVERIFY(e.photo()->loadFile(file.fileName(), &error));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    const qint64 id = f.list->rows()->fieldValue(u"F_ID").toLongLong();
    QCOMPARE(f.list->rows()->fieldText(u"F_code"), QStringLiteral("0002"));
    QCOMPARE(stored(Table, id, QStringLiteral("F_sex")).toString(), QStringLiteral("女"));
    QCOMPARE(stored(Table, id, QStringLiteral("F_dept")).toString(), QStringLiteral("车队"));
    QCOMPARE(stored(Table, id, QStringLiteral("F_SRdate")).toString(),
             QStringLiteral("1900-08-14"));
    QCOMPARE(stored(Table, id, QStringLiteral("F_RZdate")).toString(),
             QStringLiteral("2021-02-03"));
    QCOMPARE(stored(Table, id, QStringLiteral("F_JSnl")).toString(), QStringLiteral("5年"));
    QCOMPARE(stored(Table, id, QStringLiteral("F_empImage")).toByteArray(), gif);
    QCOMPARE(stored(Table, id, QStringLiteral("F_imagePath")).toString(),
             QStringLiteral("face.GIF"));

    // Clearing the photo stores none.
    QVERIFY(f.inEditor(true, [&](EmployeeEditor &e) {
        QVERIFY(e.photo()->hasPicture());
        e.findChild<QPushButton *>(QStringLiteral("bbClearImage"))->click();
        e.okButton()->click();
    }));
    QVERIFY(stored(Table, id, QStringLiteral("F_empImage")).toByteArray().isEmpty());
    QCOMPARE(stored(Table, id, QStringLiteral("F_imagePath")).toString(), QString());

    // Moving from an employee of a listed department to one whose department was deleted from
    // the codes shows and saves the stored one, not the previous choice.
    QVERIFY(f.inEditor(true, [&](EmployeeEditor &e) {
        QCOMPARE(textOf(&e, "cbbDept"), QStringLiteral("车队"));
        e.findChild<QToolButton *>(QStringLiteral("nbPrior"))->click();
        QCOMPARE(textOf(&e, "edtName"), QStringLiteral("甲"));
        QCOMPARE(textOf(&e, "cbbDept"), QStringLiteral("已撤销部门"));
        e.okButton()->click();
    }));
    QCOMPARE(
        dm().QueryString(QStringLiteral("select F_dept from T_employee where F_code = '0001'")),
        QStringLiteral("已撤销部门"));
}

void EmployeeTest::refusedSaveKeepsEveryInput()
{
    EmployeeFixture f;
    f.open();
    QVERIFY(orvtest::refuseWrites(Table));
    QVERIFY(f.inEditor(false, [&](EmployeeEditor &e) {
        setText(&e, "edtCode", QStringLiteral("0009"));
        setText(&e, "edtName", QStringLiteral("丁"));
        setText(&e, "Memo1", QStringLiteral("备注"));
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), EditorDialog::SaveFailedMessage);
        QVERIFY(e.isVisible());
        QCOMPARE(textOf(&e, "edtCode"), QStringLiteral("0009"));
        QCOMPARE(textOf(&e, "edtName"), QStringLiteral("丁"));
        QCOMPARE(textOf(&e, "Memo1"), QStringLiteral("备注"));
    }));
    QVERIFY(orvtest::allowWrites(Table));
    QCOMPARE(count(Table), 0);
}

ORV_TEST(EmployeeTest)
#include "EmployeeTest.moc"
