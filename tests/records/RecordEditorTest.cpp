#include "RecordFixture.h"

#include "app/Globals.h"
#include "forms/PictureSlot.h"
#include "records/FuelFigures.h"
#include "support/OperatorFixture.h"
#include "support/TestMain.h"
#include "widgets/DatePicker.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using namespace recordtest;

namespace {

QVariant storedValue(const RecordKind &kind, qint64 id, const QString &field)
{
    const QueryResult r =
        dm().db().query(QStringLiteral("select ") + field + QStringLiteral(" from ") + kind.table +
                            QStringLiteral(" where F_ID = :id"),
                        {{QStringLiteral("id"), id}});
    return r.ok && r.rows.rowCount() ? r.rows.value(0, 0) : QVariant();
}

int count(const RecordKind &kind)
{
    return dm().QueryInt(QStringLiteral("select count(*) from ") + kind.table);
}

NumberEdit *number(QWidget *editor, const char *name)
{
    return editor->findChild<NumberEdit *>(QString::fromLatin1(name));
}

} // namespace

class RecordEditorTest : public QObject {
    Q_OBJECT
private slots:
    void typedPlateIsSavedWithoutAVehicle_data() { everyKind(); }
    void typedPlateIsSavedWithoutAVehicle();
    void continuousAddSavesThreeRecords_data() { everyKind(); }
    void continuousAddSavesThreeRecords();
    void navigatorThenSaveChangesTheNextRecord_data() { everyKind(); }
    void navigatorThenSaveChangesTheNextRecord();
    void checksRunInOrderAndRefuseZeroAmounts_data() { everyKind(); }
    void checksRunInOrderAndRefuseZeroAmounts();
    void memoTakesEnterAndOddTextIsKept_data() { everyKind(); }
    void memoTakesEnterAndOddTextIsKept();
    void refusedSaveKeepsEveryInput_data() { everyKind(); }
    void refusedSaveKeepsEveryInput();
    void pickedVehicleSetsTheVehicle();
    void fuelFiguresCascade();
    void fuelFiguresKeepStoredValuesAndTypedAmounts();
    void accidentPicturesKeepTheirBytes();
    void optionalDatesUseTheNoDateValue();
};

void RecordEditorTest::typedPlateIsSavedWithoutAVehicle()
{
    QFETCH(QString, word);
    KindFixture f(word);
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        QCOMPARE(e.windowTitle(), f.kind.recordTitle + QStringLiteral(" - 新增"));
        e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A1"));
        fillRequired(e);
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    QCOMPARE(count(f.kind), 1);
    const qint64 id = f.list->rows()->fieldValue(u"F_ID").toLongLong();
    QVERIFY(id > 0);
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_mainID")).toLongLong(), 0);
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_CPcode")).toString(),
             QStringLiteral("浙A1"));
    // Listed: the typed plate is a vehicle in service; the list is on the new record.
    QCOMPARE(f.list->rows()->fieldText(u"F_CPcode"), QStringLiteral("浙A1"));
    QCOMPARE(orvtest::logEntries().constLast().second,
             QStringLiteral("增加") + f.kind.recordTitle + QStringLiteral("！"));
}

void RecordEditorTest::continuousAddSavesThreeRecords()
{
    QFETCH(QString, word);
    KindFixture f(word);
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        QApplication::setActiveWindow(&e);
        e.continuousAdd()->setChecked(true);
        for (int n = 0; n < 3; ++n) {
            e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A2"));
            fillRequired(e);
            e.okButton()->click();
            QVERIFY(e.isVisible());
            QCOMPARE(e.input(RecordKinds::PlateControl)->property("text").toString(), QString());
        }
        QTRY_COMPARE(QApplication::focusWidget(), e.input(RecordKinds::PlateControl));
    }));
    QCOMPARE(count(f.kind), 3);
    int added = 0;
    for (const auto &entry : orvtest::logEntries())
        added += entry.second == QStringLiteral("增加") + f.kind.recordTitle + QStringLiteral("！");
    QCOMPARE(added, 3);
    QCOMPARE(f.list->rows()->rowCount(), 3);
}

void RecordEditorTest::navigatorThenSaveChangesTheNextRecord()
{
    QFETCH(QString, word);
    KindFixture f(word);
    const qint64 first = f.add(QStringLiteral("浙A1"), day(3, 1));
    const qint64 second = f.add(QStringLiteral("浙A2"), day(3, 2));
    f.open();
    QVERIFY(f.inEditor(true, [&](RecordEditor &e) {
        QCOMPARE(e.windowTitle(), f.kind.recordTitle + QStringLiteral(" - 修改"));
        QCOMPARE(e.input(RecordKinds::PlateControl)->property("text").toString(),
                 QStringLiteral("浙A1"));
        e.findChild<QToolButton *>(QStringLiteral("nbNext"))->click();
        QCOMPARE(e.input(RecordKinds::PlateControl)->property("text").toString(),
                 QStringLiteral("浙A2"));
        fillRequired(e);
        static_cast<QPlainTextEdit *>(e.input(QStringLiteral("Memo1")))
            ->setPlainText(QStringLiteral("第二条"));
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    QCOMPARE(storedValue(f.kind, second, QStringLiteral("F_memo1")).toString(),
             QStringLiteral("第二条"));
    QVERIFY(storedValue(f.kind, first, QStringLiteral("F_memo1")).toString().isEmpty());
    QCOMPARE(f.list->rows()->fieldValue(u"F_ID").toLongLong(), second);
    QCOMPARE(orvtest::logEntries().constLast().second,
             QStringLiteral("修改") + f.kind.recordTitle + QStringLiteral("！"));
}

void RecordEditorTest::checksRunInOrderAndRefuseZeroAmounts()
{
    QFETCH(QString, word);
    KindFixture f(word);
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        QApplication::setActiveWindow(&e);
        e.okButton()->click();
        QCOMPARE(f.env.platform().lastText(), RecordKinds::PlateMessage);
        QTRY_COMPARE(QApplication::focusWidget(), e.input(RecordKinds::PlateControl));
        e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A1"));
        // Each check in turn, until all pass.
        for (const RecordCheck &check : f.kind.checks) {
            e.okButton()->click();
            QCOMPARE(f.env.platform().lastText(), check.message);
            QTRY_COMPARE(QApplication::focusWidget(), e.input(check.control));
            if (check.positive) {
                // 0 and a negative amount are refused alike.
                static_cast<NumberEdit *>(e.input(check.control))->setValue(-5);
                e.okButton()->click();
                QCOMPARE(f.env.platform().lastText(), check.message);
                QVERIFY(check.message.endsWith(QStringLiteral("必须大于0！")));
                static_cast<NumberEdit *>(e.input(check.control))->setValue(0.01);
            } else if (auto *line = qobject_cast<QLineEdit *>(e.input(check.control))) {
                line->setText(QStringLiteral("  x "));
            } else {
                static_cast<QComboBox *>(e.input(check.control))->setEditText(QStringLiteral("x"));
            }
        }
        QCOMPARE(count(f.kind), 0);
        e.okButton()->click();
        QVERIFY(!e.isVisible());
    }));
    QCOMPARE(count(f.kind), 1);
}

void RecordEditorTest::memoTakesEnterAndOddTextIsKept()
{
    QFETCH(QString, word);
    KindFixture f(word);
    f.open();
    const QString odd = QStringLiteral("O'N \x01 😀");
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        QApplication::setActiveWindow(&e);
        e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A1"));
        fillRequired(e);
        auto *memo = static_cast<QPlainTextEdit *>(e.input(QStringLiteral("Memo1")));
        memo->setFocus();
        QTRY_VERIFY(memo->hasFocus());
        QTest::keyClicks(memo, QStringLiteral("a"));
        QTest::keyClick(memo, Qt::Key_Return);
        memo->insertPlainText(odd);
        QVERIFY(memo->hasFocus());
        e.okButton()->click();
    }));
    const qint64 id = f.list->rows()->fieldValue(u"F_ID").toLongLong();
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_memo1")).toString(),
             QStringLiteral("a\n") + odd);
}

void RecordEditorTest::refusedSaveKeepsEveryInput()
{
    QFETCH(QString, word);
    KindFixture f(word);
    f.open();
    QVERIFY(orvtest::refuseWrites(f.kind.table));
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A1"));
        fillRequired(e);
        static_cast<QPlainTextEdit *>(e.input(QStringLiteral("Memo1")))
            ->setPlainText(QStringLiteral("留着"));
        e.okButton()->click();
        QVERIFY(e.isVisible());
        QCOMPARE(f.env.platform().lastText(), QStringLiteral("保存失败，请检测数据库连接！"));
        QCOMPARE(e.input(RecordKinds::PlateControl)->property("text").toString(),
                 QStringLiteral("浙A1"));
        QCOMPARE(static_cast<QPlainTextEdit *>(e.input(QStringLiteral("Memo1")))->toPlainText(),
                 QStringLiteral("留着"));
    }));
    QVERIFY(!dm().db().inTransaction());
    QVERIFY(orvtest::allowWrites(f.kind.table));
    QCOMPARE(count(f.kind), 0);
}

void RecordEditorTest::pickedVehicleSetsTheVehicle()
{
    KindFixture f(QStringLiteral("wx"));
    const qint64 vehicle =
        dm().QueryInt(QStringLiteral("select F_ID from T_cars where F_code = '浙A3'"));
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        orvtest::whenModalNamed(QStringLiteral("TDLGcarXZ"), [&](QWidget *picker) {
            picker->findChild<QLineEdit *>(QStringLiteral("edtCode"))
                ->setText(QStringLiteral("A3"));
            picker->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        });
        e.findChild<QToolButton *>(QStringLiteral("sbSPcode"))->click();
        QCOMPARE(e.VehicleId, vehicle);
        QCOMPARE(e.input(RecordKinds::PlateControl)->property("text").toString(),
                 QStringLiteral("浙A3"));
        fillRequired(e);
        e.okButton()->click();
    }));
    const qint64 id = dm().QueryInt(QStringLiteral("select max(F_ID) from T_WXrec"));
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_mainID")).toLongLong(), vehicle);
}

void RecordEditorTest::fuelFiguresCascade()
{
    KindFixture f(QStringLiteral("yh"));
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        number(&e, "rceBeginLC")->setValue(12000);
        number(&e, "rceEndLC")->setValue(12350);
        number(&e, "rceYLnum")->setValue(35);
        number(&e, "ceDJprice")->setValue(5.2);
        QCOMPARE(number(&e, "rceShijiLC")->value(), 350.0);
        QCOMPARE(number(&e, "ceTotalPrice")->value(), 182.0);
        QCOMPARE(number(&e, "rceBGLyouhao")->value(), 10.0);
        QCOMPARE(number(&e, "ceMGLprice")->value(), 0.52);
        QVERIFY(static_cast<QLineEdit *>(number(&e, "rceShijiLC"))->isReadOnly());
        // A negative distance keeps the per-distance figures.
        number(&e, "rceEndLC")->setValue(11000);
        QCOMPARE(number(&e, "rceShijiLC")->value(), -1000.0);
        number(&e, "rceYLnum")->setValue(40);
        QCOMPARE(number(&e, "rceBGLyouhao")->value(), 10.0);
        QCOMPARE(number(&e, "ceMGLprice")->value(), 0.52);
        QCOMPARE(number(&e, "ceTotalPrice")->value(), 208.0);
    }));
    QVERIFY(!FuelFigures::per100Km(1, 0));
    QVERIFY(!FuelFigures::perKm(1, -3));
}

void RecordEditorTest::fuelFiguresKeepStoredValuesAndTypedAmounts()
{
    KindFixture f(QStringLiteral("yh"));
    // Stored figures that the rules would not give: loading shows them as stored.
    const qint64 id = f.add(QStringLiteral("浙A1"), day(3, 3),
                            {{QStringLiteral("F_beginLC"), 100},
                             {QStringLiteral("F_endLC"), 300},
                             {QStringLiteral("F_shijiLC"), 200},
                             {QStringLiteral("F_YLnum"), 20},
                             {QStringLiteral("F_DJprice"), 5},
                             {QStringLiteral("F_totalPrice"), 99},
                             {QStringLiteral("F_BGLyouhao"), 7},
                             {QStringLiteral("F_MGLprice"), 3},
                             {QStringLiteral("F_JSempname"), QStringLiteral("王")}});
    f.open();
    QVERIFY(f.inEditor(true, [&](RecordEditor &e) {
        QCOMPARE(number(&e, "ceTotalPrice")->value(), 99.0);
        QCOMPARE(number(&e, "rceBGLyouhao")->value(), 7.0);
        QCOMPARE(number(&e, "ceMGLprice")->value(), 3.0);
        // A typed amount stands, with the cost per km derived from it.
        number(&e, "ceTotalPrice")->setValue(120);
        QCOMPARE(number(&e, "ceMGLprice")->value(), 0.6);
        e.okButton()->click();
    }));
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_totalPrice")).toDouble(), 120.0);
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_MGLprice")).toDouble(), 0.6);
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_BGLyouhao")).toDouble(), 7.0);
}

void RecordEditorTest::accidentPicturesKeepTheirBytes()
{
    KindFixture f(QStringLiteral("sg"));
    QTemporaryDir dir;
    const QByteArray gif =
        QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");
    QFile file(dir.filePath(QStringLiteral("scene.GIF")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gif);
    file.close();
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A1"));
        fillRequired(e);
        QString error;
        QVERIFY(e.picture(3)->loadFile(file.fileName(), &error));
        e.okButton()->click();
    }));
    const qint64 id = f.list->rows()->fieldValue(u"F_ID").toLongLong();
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_SGimage3")).toByteArray(), gif);
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_imagePath3")).toString(),
             QStringLiteral("scene.GIF"));
    QVERIFY(f.inEditor(true, [&](RecordEditor &e) {
        QVERIFY(e.picture(3)->hasPicture());
        QVERIFY(!e.picture(1)->hasPicture());
        e.findChild<QTabWidget *>(QStringLiteral("PageControl2"))->setCurrentIndex(2);
        e.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        e.okButton()->click();
    }));
    QVERIFY(storedValue(f.kind, id, QStringLiteral("F_SGimage3")).toByteArray().isEmpty());
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_imagePath3")).toString(), QString());
}

void RecordEditorTest::optionalDatesUseTheNoDateValue()
{
    KindFixture f(QStringLiteral("tb"));
    f.open();
    QVERIFY(f.inEditor(false, [&](RecordEditor &e) {
        QVERIFY(!e.findChild<DatePicker *>(QStringLiteral("dtpNextTBdate"))->isChecked());
        e.input(RecordKinds::PlateControl)->setProperty("text", QStringLiteral("浙A1"));
        fillRequired(e);
        e.okButton()->click();
    }));
    const qint64 id = f.list->rows()->fieldValue(u"F_ID").toLongLong();
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_NextTBdate")).toString(),
             QStringLiteral("1900-08-14"));
    QCOMPARE(storedValue(f.kind, id, QStringLiteral("F_TBdate")).toString(), day(3, 15));
    QVERIFY(f.inEditor(true, [&](RecordEditor &e) {
        auto *next = e.findChild<DatePicker *>(QStringLiteral("dtpNextTBdate"));
        QVERIFY(!next->isChecked());
        QCOMPARE(next->date(), Today);
    }));
}

ORV_TEST(RecordEditorTest)
#include "RecordEditorTest.moc"
