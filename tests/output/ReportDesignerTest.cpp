#include "OutputFixture.h"
#include "output/PrintReport.h"
#include "output/ReportTemplate.h"
#include "output/ReportValueProvider.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace outputtest;

namespace {

struct Answers : ReportValueProvider {
    QString reportValue(const QString &name) override
    {
        return name == QLatin1String("memoDate") ? QStringLiteral("三月份") : QString();
    }
};

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList childNames(QTreeWidgetItem *item)
{
    QStringList names;
    for (int i = 0; i < item->childCount(); ++i)
        names << item->child(i)->text(0);
    return names;
}

// Runs `check` on the designer once it is open and closes it afterwards whatever happened, so a
// failing check never leaves the test waiting on the modal window.
void onDesigner(bool *ran, std::function<void(QDialog *)> check)
{
    orvtest::whenModalNamed(QStringLiteral("ReportDesigner"), [=](QWidget *widget) {
        auto *dialog = static_cast<QDialog *>(widget);
        const auto close = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected);
        });
        check(dialog);
        *ran = true;
    });
}

} // namespace

class ReportDesignerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void offersFieldsAndVariablesAndSavesBack();
    void asksBeforeClosingWithChanges();
    void failedSaveIsShownAndKeepsTheEditorOpen();
    void cleanup();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<DataSet> m_data;
};

void ReportDesignerTest::init()
{
    m_data.reset();
    m_env.reset(); // before the next one: each environment puts back the platform it found
    m_env = std::make_unique<TestEnvironment>();
    m_data = std::make_unique<DataSet>();
    DataModule &dm = m_env->connect();
    QVERIFY(openSampleRepairs(dm, *m_data));
}

void ReportDesignerTest::offersFieldsAndVariablesAndSavesBack()
{
    const QString original = QStringLiteral("<title>测试</title><p>{{memoDate}}</p>");
    QDir().mkpath(m_env->path(QStringLiteral("Qr")));
    QFile file(m_env->path(QStringLiteral("Qr/frTest.html")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(original.toUtf8());
    file.close();

    bool ran = false;
    onDesigner(&ran, [&](QDialog *dialog) {
        auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("fieldList"));
        auto *source = dialog->findChild<QPlainTextEdit *>(QStringLiteral("templateSource"));
        auto *preview = dialog->findChild<QTextBrowser *>(QStringLiteral("livePreview"));
        QVERIFY(tree && source && preview);
        QCOMPARE(source->toPlainText(), original);
        QVERIFY(preview->toPlainText().contains(QStringLiteral("三月份")));

        const QList<QTreeWidgetItem *> custom =
            tree->findItems(QStringLiteral(" 自定义变量"), Qt::MatchExactly);
        QCOMPARE(custom.size(), 1);
        QCOMPARE(childNames(custom.first()),
                 (QStringList{"sCurKHname", "memoDate", "memoCaption"}));
        const QList<QTreeWidgetItem *> plate =
            tree->findItems(QStringLiteral("F_CPcode"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(plate.size(), 1);
        QCOMPARE(plate.first()->text(1), QStringLiteral("车牌"));

        // A double click puts the field's placeholder at the cursor; the preview follows.
        source->moveCursor(QTextCursor::End);
        emit tree->itemDoubleClicked(plate.first(), 0);
        QVERIFY(source->toPlainText().endsWith(QStringLiteral("{{F_CPcode}}")));
        QTRY_VERIFY(preview->toPlainText().contains(QStringLiteral("粤A12345")));

        dialog->findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
        QCOMPARE(readFile(m_env->path(QStringLiteral("Qr/frTest.html"))), source->toPlainText());
        dialog->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        QVERIFY(!dialog->isVisible()); // saved: closes without asking
    });
    Answers answers;
    DesignReport(QStringLiteral("frTest"), *m_data, &answers, repairColumns());
    QVERIFY(ran);
    QVERIFY(m_env->platform().shown.isEmpty());
    QCOMPARE(readFile(m_env->path(QStringLiteral("Qr/frTest.html"))), original + "{{F_CPcode}}");
}

void ReportDesignerTest::asksBeforeClosingWithChanges()
{
    // A template that is not there yet starts empty and is created by saving.
    bool ran = false;
    onDesigner(&ran, [&](QDialog *dialog) {
        auto *source = dialog->findChild<QPlainTextEdit *>(QStringLiteral("templateSource"));
        QVERIFY(source->toPlainText().isEmpty());
        QTest::keyClicks(source, QStringLiteral("{{sCurKHname}}"));
        m_env->platform().answers.enqueue(Platform::Answer::No);
        dialog->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        QVERIFY(!dialog->isVisible());
    });
    Answers answers;
    DesignReport(QStringLiteral("frNew"), *m_data, &answers, repairColumns());
    QVERIFY(ran);
    QCOMPARE(m_env->platform().texts(), QStringList{QStringLiteral("报表模板已修改，是否保存？")});
    QVERIFY(!QFile::exists(m_env->path(QStringLiteral("Qr/frNew.html"))));

    ran = false;
    onDesigner(&ran, [&](QDialog *dialog) {
        auto *source = dialog->findChild<QPlainTextEdit *>(QStringLiteral("templateSource"));
        QTest::keyClicks(source, QStringLiteral("{{memoDate}}"));
        m_env->platform().answers.enqueue(Platform::Answer::Yes);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    DesignReport(QStringLiteral("frNew"), *m_data, &answers, repairColumns());
    QVERIFY(ran);
    QCOMPARE(readFile(m_env->path(QStringLiteral("Qr/frNew.html"))),
             QStringLiteral("{{memoDate}}"));
}

void ReportDesignerTest::failedSaveIsShownAndKeepsTheEditorOpen()
{
    // A file where the template folder should be: nothing can be saved there.
    QFile blocker(m_env->path(QStringLiteral("Qr")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    bool ran = false;
    onDesigner(&ran, [&](QDialog *dialog) {
        auto *source = dialog->findChild<QPlainTextEdit *>(QStringLiteral("templateSource"));
        QTest::keyClicks(source, QStringLiteral("{{table}}"));
        dialog->findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_env->platform().shown.size(), 1);
        QVERIFY(m_env->platform().lastText().startsWith(QStringLiteral("报表模板保存失败：")));
        QCOMPARE(m_env->platform().shown[0].kind, Platform::MessageKind::Error);
        // Closing asks again; a second failure keeps the typed template on screen.
        m_env->platform().answers.enqueue(Platform::Answer::Yes);
        dialog->findChild<QPushButton *>(QStringLiteral("btnClose"))->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(source->toPlainText(), QStringLiteral("{{table}}"));
    });
    DesignReport(QStringLiteral("frTest"), *m_data, nullptr, repairColumns());
    QVERIFY(ran);
}

void ReportDesignerTest::cleanup()
{
    m_data.reset();
    m_env.reset();
}

ORV_TEST(ReportDesignerTest)
#include "ReportDesignerTest.moc"
