#include "vehicles/VehicleEditor.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/PictureData.h"
#include "db/DataSet.h"
#include "forms/PictureSlot.h"
#include "support/ModalHelper.h"
#include "support/OperatorFixture.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"
#include "support/program/ProgramFixture.h"
#include "vehicles/VehiclePicker.h"
#include "widgets/DatePicker.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

const QString AllVehicles = QStringLiteral("select * from T_cars order by F_code");

// A 1x1 GIF: the program shows GIFs, but Qt cannot write one.
const QByteArray TinyGif =
    QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");

QByteArray encoded(const char *format, QColor colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

template <typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

QVariant stored(const QString &field, const QString &plate)
{
    const QueryResult r = dm().db().query(QStringLiteral("select ") + field +
                                              QStringLiteral(" from T_cars where F_code = :p"),
                                          {{QStringLiteral("p"), plate}});
    return r.ok && r.rows.rowCount() > 0 ? r.rows.value(0, 0) : QVariant();
}

// The vehicle editor over a list of every vehicle, as the archive opens it.
struct EditorOverList {
    TestEnvironment env;
    DataSet list;

    EditorOverList()
    {
        env.connect();
        FillCodes();
    }
    void FillCodes()
    {
        for (const char *brand : {"解放", "东风"})
            orvtest::addRow(QStringLiteral("t_code"),
                            {{QStringLiteral("F_type"), QStringLiteral("pinpai")},
                             {QStringLiteral("F_name"), QString::fromUtf8(brand)}});
        orvtest::addRow(QStringLiteral("t_code"),
                        {{QStringLiteral("F_type"), QStringLiteral("gsoffice")},
                         {QStringLiteral("F_name"), orvtest::PlainUnit}});
    }
    void reopen() { QVERIFY(dm().OpenQuery(AllVehicles, list)); }

    // Opens the editor (new or change of the list's current row), runs `act` inside it.
    void edit(bool change, const std::function<void(VehicleEditor &)> &act)
    {
        reopen();
        bool ran = false;
        VehicleEditor editor;
        editor.setSource(&list);
        orvtest::whenModalNamed(QStringLiteral("TfrmCARedit"), [&](QWidget *w) {
            auto &e = static_cast<VehicleEditor &>(*w);
            act(e);
            ran = true;
            if (e.isVisible())
                e.reject();
        });
        editor.OpenEditor(change);
        QVERIFY(ran);
    }
};

} // namespace

class VehicleEditorTest : public QObject {
    Q_OBJECT
private slots:
    void platesAreTrimmedRequiredAndUnique();
    void uncheckedDatesAreStoredAsNoDate();
    void picturesKeepTheirBytesAcrossSaves();
    void pictureIsChosenThroughTheViewer();
    void continuousAddStaysOpenOnTheBrand();
    void navigatorMovesTheListAndTheNextSaveChangesThatVehicle();
    void refusedSaveKeepsEveryInput();
    void storedValuesMissingFromThePickListsSurviveASave();
    void oddTextsAreKeptExactly();
    void pickerListsEveryVehicleAndTakesANewOne();
    void pickerIgnoresTheOperatorsUnits();
};

void VehicleEditorTest::platesAreTrimmedRequiredAndUnique()
{
    EditorOverList f;
    f.edit(false, [&](VehicleEditor &e) {
        e.okButton()->click();
        QCOMPARE(f.env.platform().texts().value(0), VehicleEditor::EmptyPlateMessage);
        QVERIFY(child<QLineEdit>(&e, "edtCode")->hasFocus() || !e.isActiveWindow());
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("  浙A00001 "));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    });
    QCOMPARE(f.list.fieldText(u"F_code"), QStringLiteral("浙A00001"));
    QCOMPARE(orvtest::logEntries().constLast().second, QStringLiteral("增加车辆信息档案资料！"));

    f.edit(false, [&](VehicleEditor &e) {
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙A00001"));
        e.okButton()->click();
        QVERIFY(e.isVisible());
    });
    QCOMPARE(f.env.platform().lastText(), VehicleEditor::DuplicatePlateMessage);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from T_cars")), 1);

    // Changing a vehicle without touching its plate passes the duplicate test; the plate is
    // read-only.
    f.edit(true, [&](VehicleEditor &e) {
        QCOMPARE(e.windowTitle(), QStringLiteral("车辆信息档案 - 修改"));
        QVERIFY(child<QLineEdit>(&e, "edtCode")->isReadOnly());
        child<QLineEdit>(&e, "edtXingHao")->setText(QStringLiteral("CA1040"));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    });
    QCOMPARE(stored(QStringLiteral("F_xingHao"), QStringLiteral("浙A00001")).toString(),
             QStringLiteral("CA1040"));
    QCOMPARE(orvtest::logEntries().constLast().second, QStringLiteral("修改车辆信息档案资料！"));
}

void VehicleEditorTest::uncheckedDatesAreStoredAsNoDate()
{
    EditorOverList f;
    f.edit(false, [&](VehicleEditor &e) {
        QVERIFY(!child<DatePicker>(&e, "dtpSCdate")->isChecked());
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙B1"));
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_SCdate"), QStringLiteral("浙B1")).toString(),
             QStringLiteral("1900-08-14"));
    QCOMPARE(stored(QStringLiteral("F_RQ2"), QStringLiteral("浙B1")).toString(),
             QStringLiteral("1900-08-14"));
    f.edit(true,
           [&](VehicleEditor &e) { QVERIFY(!child<DatePicker>(&e, "dtpSCdate")->isChecked()); });

    dm().ExecSql(QStringLiteral("update T_cars set F_SCdate = '1901-08-14'"));
    f.edit(true, [&](VehicleEditor &e) {
        auto *made = child<DatePicker>(&e, "dtpSCdate");
        QVERIFY(made->isChecked());
        QCOMPARE(made->date(), QDate(1901, 8, 14));
    });
}

void VehicleEditorTest::picturesKeepTheirBytesAcrossSaves()
{
    EditorOverList f;
    QTemporaryDir dir;
    const QByteArray jpeg = encoded("JPEG", Qt::red);
    const QByteArray png = encoded("PNG", Qt::blue);
    const QString jpegFile = writeFile(dir, QStringLiteral("front.jpg"), jpeg);
    const QString pngFile = writeFile(dir, QStringLiteral("side.png"), png);
    const QString gifFile = writeFile(dir, QStringLiteral("logo.gif"), TinyGif);
    f.edit(false, [&](VehicleEditor &e) {
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙C1"));
        QString error;
        QVERIFY(e.picture(1)->loadFile(gifFile, &error));
        QVERIFY(e.picture(2)->loadFile(jpegFile, &error));
        QVERIFY(e.picture(3)->loadFile(pngFile, &error));
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_carImage1"), QStringLiteral("浙C1")).toByteArray(), TinyGif);
    QCOMPARE(stored(QStringLiteral("F_carImage2"), QStringLiteral("浙C1")).toByteArray(), jpeg);
    QCOMPARE(stored(QStringLiteral("F_imagePath2"), QStringLiteral("浙C1")).toString(),
             QStringLiteral("front.jpg"));

    // Shown again at the next opening; 清空显示 on the third tab clears the third only.
    f.edit(true, [&](VehicleEditor &e) {
        for (int slot = 1; slot <= 3; ++slot)
            QVERIFY(e.picture(slot)->hasPicture());
        QCOMPARE(e.picture(2)->path(), QStringLiteral("front.jpg"));
        child<QTabWidget>(&e, "PageControl1")->setCurrentIndex(2);
        child<QPushButton>(&e, "bbClearImage")->click();
        QVERIFY(!e.picture(3)->hasPicture());
        QVERIFY(e.picture(2)->hasPicture());
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_carImage1"), QStringLiteral("浙C1")).toByteArray(), TinyGif);
    QCOMPARE(stored(QStringLiteral("F_carImage2"), QStringLiteral("浙C1")).toByteArray(), jpeg);
    QVERIFY(stored(QStringLiteral("F_carImage3"), QStringLiteral("浙C1")).toByteArray().isEmpty());
    QCOMPARE(stored(QStringLiteral("F_imagePath3"), QStringLiteral("浙C1")).toString(), QString());

    // A file that is no picture, an empty one and a huge one are refused; the slot stays.
    const QString text = writeFile(dir, QStringLiteral("notes.jpg"), "not a picture");
    const QString empty = writeFile(dir, QStringLiteral("empty.png"), {});
    const QString huge = dir.filePath(QStringLiteral("huge.jpg"));
    {
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(50ll * 1024 * 1024));
    }
    PictureSlot slot;
    QString error;
    QVERIFY(slot.loadFile(jpegFile, &error));
    for (const QString &bad : {text, empty, huge}) {
        QVERIFY(!slot.loadFile(bad, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(slot.bytes(), jpeg);
    }
    QCOMPARE(error, PictureData::tooLargeMessage(huge));
}

void VehicleEditorTest::pictureIsChosenThroughTheViewer()
{
    EditorOverList f;
    QTemporaryDir dir;
    const QByteArray jpeg = encoded("JPEG", Qt::green);
    const QString file = writeFile(dir, QStringLiteral("rear.JPG"), jpeg);
    f.edit(false, [&](VehicleEditor &e) {
        child<QTabWidget>(&e, "PageControl1")->setCurrentIndex(1);
        f.env.platform().files.enqueue(file);
        bool viewed = false;
        orvtest::whenModalNamed(QStringLiteral("TfrmImageDisp"), [&](QWidget *viewer) {
            child<QAction>(viewer, "actLoad")->trigger();
            child<QAction>(viewer, "actSave")->trigger();
            viewed = true;
        });
        child<QPushButton>(&e, "bbLoadImage")->click();
        QVERIFY(viewed);
        QCOMPARE(e.picture(2)->bytes(), jpeg);
        QVERIFY(!e.picture(1)->hasPicture());

        // 取消 in the viewer leaves the slot as it was.
        orvtest::whenModalNamed(QStringLiteral("TfrmImageDisp"), [&](QWidget *viewer) {
            child<QAction>(viewer, "actClear")->trigger();
            child<QAction>(viewer, "actCancel")->trigger();
        });
        emit e.picture(2)->doubleClicked();
        QCOMPARE(e.picture(2)->bytes(), jpeg);
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙C2"));
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_carImage2"), QStringLiteral("浙C2")).toByteArray(), jpeg);
    QCOMPARE(stored(QStringLiteral("F_imagePath2"), QStringLiteral("浙C2")).toString(),
             QStringLiteral("rear.JPG"));
}

void VehicleEditorTest::continuousAddStaysOpenOnTheBrand()
{
    EditorOverList f;
    f.edit(false, [&](VehicleEditor &e) {
        QApplication::setActiveWindow(&e);
        e.continuousAdd()->setChecked(true);
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙D1"));
        e.okButton()->click();
        QVERIFY(e.isVisible());
        QCOMPARE(child<QLineEdit>(&e, "edtCode")->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(&e, "cbbPinPai"));
        QCOMPARE(f.list.fieldText(u"F_code"), QStringLiteral("浙D1"));
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙D0"));
        e.okButton()->click();
        QCOMPARE(f.list.fieldText(u"F_code"), QStringLiteral("浙D0"));
    });
    QCOMPARE(f.list.rowCount(), 2);
}

void VehicleEditorTest::navigatorMovesTheListAndTheNextSaveChangesThatVehicle()
{
    EditorOverList f;
    for (const char *plate : {"浙E1", "浙E2", "浙E3"})
        orvtest::addVehicle(QString::fromUtf8(plate));
    f.edit(true, [&](VehicleEditor &e) {
        QVERIFY(e.navigator()->isVisible());
        QVERIFY(!e.continuousAdd()->isVisible());
        QCOMPARE(child<QLineEdit>(&e, "edtCode")->text(), QStringLiteral("浙E1"));
        child<QToolButton>(&e, "nbNext")->click();
        QCOMPARE(f.list.currentRow(), 1);
        QCOMPARE(child<QLineEdit>(&e, "edtCode")->text(), QStringLiteral("浙E2"));
        child<QLineEdit>(&e, "edtZuoWei")->setText(QStringLiteral("5"));
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_zuoWei"), QStringLiteral("浙E2")).toString(),
             QStringLiteral("5"));
    QCOMPARE(stored(QStringLiteral("F_zuoWei"), QStringLiteral("浙E1")).toString(), QString());
    QCOMPARE(f.list.fieldText(u"F_code"), QStringLiteral("浙E2"));
}

void VehicleEditorTest::refusedSaveKeepsEveryInput()
{
    EditorOverList f;
    QVERIFY(orvtest::refuseWrites(QStringLiteral("T_cars")));
    f.edit(false, [&](VehicleEditor &e) {
        child<QLineEdit>(&e, "edtCode")->setText(QStringLiteral("浙F1"));
        child<QPlainTextEdit>(&e, "Memo1")->setPlainText(QStringLiteral("第一行\n第二行"));
        e.okButton()->click();
        QVERIFY(e.isVisible());
        QCOMPARE(f.env.platform().lastText(), QStringLiteral("保存失败，请检测数据库连接！"));
        QCOMPARE(child<QLineEdit>(&e, "edtCode")->text(), QStringLiteral("浙F1"));
        QCOMPARE(child<QPlainTextEdit>(&e, "Memo1")->toPlainText(),
                 QStringLiteral("第一行\n第二行"));
        // Once the database takes writes again, the same inputs save.
        orvtest::allowWrites(QStringLiteral("T_cars"));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    });
    QCOMPARE(stored(QStringLiteral("F_memo1"), QStringLiteral("浙F1")).toString(),
             QStringLiteral("第一行\n第二行"));
    QVERIFY(!dm().db().inTransaction());
}

void VehicleEditorTest::storedValuesMissingFromThePickListsSurviveASave()
{
    EditorOverList f;
    orvtest::addVehicle({QStringLiteral("浙G1"),
                         QStringLiteral("已撤销车队"),
                         false,
                         QStringLiteral("停产品牌"),
                         {},
                         QStringLiteral("离职司机")});
    orvtest::addVehicle(
        {QStringLiteral("浙G2"), orvtest::PlainUnit, false, QStringLiteral("解放"), {}, {}});
    f.edit(true, [&](VehicleEditor &e) {
        QCOMPARE(child<QComboBox>(&e, "cbbPinPai")->currentText(), QStringLiteral("停产品牌"));
        QCOMPARE(child<QComboBox>(&e, "cbbGSoffice")->currentText(), QStringLiteral("已撤销车队"));
        child<QToolButton>(&e, "nbNext")->click();
        // The next vehicle shows its own values, not the previous one's.
        QCOMPARE(child<QComboBox>(&e, "cbbPinPai")->currentText(), QStringLiteral("解放"));
        QCOMPARE(child<QComboBox>(&e, "cbbJSempname")->currentText(), QString());
        child<QToolButton>(&e, "nbPrior")->click();
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_pinPai"), QStringLiteral("浙G1")).toString(),
             QStringLiteral("停产品牌"));
    QCOMPARE(stored(QStringLiteral("F_GSoffice"), QStringLiteral("浙G1")).toString(),
             QStringLiteral("已撤销车队"));
    QCOMPARE(stored(QStringLiteral("F_JSempname"), QStringLiteral("浙G1")).toString(),
             QStringLiteral("离职司机"));
    QCOMPARE(stored(QStringLiteral("F_pinPai"), QStringLiteral("浙G2")).toString(),
             QStringLiteral("解放"));
}

void VehicleEditorTest::oddTextsAreKeptExactly()
{
    EditorOverList f;
    orvtest::addVehicle(QStringLiteral("浙H0"));
    const QString plate = QStringLiteral("O'Neil %_#--; 😀");
    const QString custom = QStringLiteral(" 字符\t\x01 😀 ");
    f.edit(false, [&](VehicleEditor &e) {
        child<QLineEdit>(&e, "edtCode")->setText(plate);
        child<QLineEdit>(&e, "edtZF1")->setText(custom);
        e.okButton()->click();
    });
    QCOMPARE(stored(QStringLiteral("F_ZF1"), plate).toString(), custom); // custom texts untrimmed
    QCOMPARE(f.list.fieldText(u"F_code"), plate);
    QCOMPARE(dm().QueryInt(QStringLiteral("select count(*) from T_cars")), 2);
    QCOMPARE(stored(QStringLiteral("F_ZF1"), QStringLiteral("浙H0")).toString(), QString());
}

void VehicleEditorTest::pickerListsEveryVehicleAndTakesANewOne()
{
    TestEnvironment env;
    env.connect();
    orvtest::addVehicle(QStringLiteral("浙J12"), orvtest::QuotedUnit);
    orvtest::addVehicle(QStringLiteral("浙J21"), QStringLiteral("别的车队"), true);
    orvtest::addVehicle(QStringLiteral("浙K33"), orvtest::PlainUnit);

    // Typing a digit lists every vehicle whose plate holds it, out of service too, in plate order.
    bool checked = false;
    {
        VehiclePicker picker;
        orvtest::whenModalNamed(QStringLiteral("TDLGcarXZ"), [&](QWidget *w) {
            auto &p = static_cast<VehiclePicker &>(*w);
            QCOMPARE(p.rows()->rowCount(), 3);
            child<QLineEdit>(&p, "edtCode")->setText(QStringLiteral("2"));
            QCOMPARE(p.rows()->rowCount(), 2);
            QCOMPARE(p.rows()->text(1, u"F_code"), QStringLiteral("浙J21"));
            p.rows()->moveTo(1);
            checked = true;
            child<QPushButton>(&p, "BitBtn1")->click();
        });
        const auto picked = picker.PickVehicle();
        QVERIFY(checked);
        QVERIFY(picked);
        QCOMPARE(picked->plate, QStringLiteral("浙J21"));
    }
    // Closed, or confirmed on an empty list: nothing picked.
    {
        VehiclePicker picker;
        orvtest::whenModalNamed(QStringLiteral("TDLGcarXZ"), [&](QWidget *w) {
            child<QLineEdit>(w, "edtCode")->setText(QStringLiteral("无此车"));
            child<QPushButton>(w, "BitBtn1")->click();
        });
        QVERIFY(!picker.PickVehicle());
    }
    // 新增车辆: the new vehicle becomes the picker's current row, and 确定 picks it.
    {
        VehiclePicker picker;
        orvtest::whenModalNamed(QStringLiteral("TDLGcarXZ"), [&](QWidget *w) {
            orvtest::whenModalNamed(QStringLiteral("TfrmCARedit"), [&](QWidget *editor) {
                child<QLineEdit>(editor, "edtCode")->setText(QStringLiteral("浙K01"));
                static_cast<VehicleEditor *>(editor)->okButton()->click();
            });
            child<QPushButton>(w, "BitBtn4")->click();
            QCOMPARE(static_cast<VehiclePicker *>(w)->rows()->fieldText(u"F_code"),
                     QStringLiteral("浙K01"));
            child<QPushButton>(w, "BitBtn1")->click();
        });
        const auto picked = picker.PickVehicle();
        QVERIFY(picked);
        QCOMPARE(picked->plate, QStringLiteral("浙K01"));
    }
}

void VehicleEditorTest::pickerIgnoresTheOperatorsUnits()
{
    // A restricted operator picks among every vehicle: the picker applies no unit filter.
    orvtest::LoggedInProgram program(orvtest::Operator::Restricted);
    QVERIFY(program.loggedIn());
    QVERIFY(!Globals::OfficeParams.isEmpty());
    orvtest::addVehicle(QStringLiteral("浙J12"), orvtest::QuotedUnit);
    orvtest::addVehicle(QStringLiteral("浙J21"), QStringLiteral("别的车队"));
    VehiclePicker picker;
    bool seen = false;
    orvtest::whenModalNamed(QStringLiteral("TDLGcarXZ"), [&](QWidget *w) {
        QCOMPARE(static_cast<VehiclePicker *>(w)->rows()->rowCount(), 2);
        seen = true;
        w->close();
    });
    QVERIFY(!picker.PickVehicle());
    QVERIFY(seen);
}

ORV_TEST(VehicleEditorTest)
#include "VehicleEditorTest.moc"
