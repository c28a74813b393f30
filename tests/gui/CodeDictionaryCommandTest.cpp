#include "support/program/GuiSession.h"

#include "app/DataModule.h"
#include "codes/CodeDictionaryWindow.h"
#include "mainwin/MainWindow.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

// Command 206 "选项..." opens the code dictionary modally, centred on the main window, and frees
// it when it closes.
class CodeDictionaryCommandTest : public QObject {
    Q_OBJECT
private slots:
    void commandOpensTheDictionaryModally();
};

void CodeDictionaryCommandTest::commandOpensTheDictionaryModally()
{
    TestEnvironment env;
    env.connect();
    MainWindow main;
    main.show();
    QVERIFY(loginThroughWindow(main, QStringLiteral("admin"), QString()));

    QString caption;
    bool modal = false;
    QPoint offCentre;
    QPointer<QWidget> opened;
    orvtest::whenModalNamed(QStringLiteral("TFrmCodeMan"), [&](QWidget *window) {
        opened = window;
        caption = window->windowTitle();
        modal = window->isModal() && QApplication::activeModalWidget() == window;
        offCentre = window->frameGeometry().center() - main.frameGeometry().center();
        window->findChild<QToolButton *>(QStringLiteral("tbExit"))->click();
    });
    main.commandAction(206)->trigger();
    QCOMPARE(caption, QStringLiteral("选项设置"));
    QVERIFY(modal);
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    QTRY_VERIFY(opened.isNull());
}

ORV_TEST(CodeDictionaryCommandTest)
#include "CodeDictionaryCommandTest.moc"
