// Keys seen by the window before its controls: Enter as Tab outside memos, and the window-wide
// keys acting only while their button or action is enabled.
#include "support/TestMain.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/PickList.h"
#include "widgets/WindowKeys.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// An editor-like window: two text boxes, an editable drop-down, a memo and two buttons, in this
// tab order.
struct Editor {
    QDialog window;
    QLineEdit *plate = new QLineEdit;
    QLineEdit *policy = new QLineEdit;
    QComboBox *type = new QComboBox;
    QPlainTextEdit *memo = new QPlainTextEdit;
    QPushButton *ok = new QPushButton(QStringLiteral("确定"));
    QPushButton *cancel = new QPushButton(QStringLiteral("取消"));

    Editor()
    {
        window.setObjectName(QStringLiteral("TfrmCLtbInfoEdit"));
        makeEditablePickBox(type);
        type->addItems({QString(), QStringLiteral("交强险")});
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{plate, policy, type, memo, ok, cancel})
            layout->addWidget(w);
        ok->setDefault(true);
        window.show();
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class KeyBindingsTest : public QObject {
    Q_OBJECT

private slots:
    void enterMovesToTheNextInputOutsideMemos()
    {
        Editor e;
        QVERIFY(e.ready());
        EnterMovesFocus::install(&e.window);
        QSignalSpy pressed(e.ok, &QPushButton::clicked);
        e.plate->setFocus();
        QTRY_COMPARE(focused(), e.plate);
        QTest::keyClick(e.plate, Qt::Key_Return);
        QCOMPARE(focused(), e.policy);
        QTest::keyClick(e.policy, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(focused(), e.type);
        // Enter in a drop-down neither adds the typed text to its list nor stays there.
        QTest::keyClicks(e.type, QStringLiteral("new"));
        QTest::keyClick(e.type, Qt::Key_Return);
        QCOMPARE(focused(), e.memo);
        QCOMPARE(e.type->count(), 2);
        QCOMPARE(e.type->currentText(), QStringLiteral("new"));
        // The memo keeps Enter for its line breaks.
        QTest::keyClicks(e.memo, QStringLiteral("a"));
        QTest::keyClick(e.memo, Qt::Key_Return);
        QTest::keyClicks(e.memo, QStringLiteral("b"));
        QCOMPARE(e.memo->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(focused(), e.memo);
        // Enter in a box never presses the default button...
        QCOMPARE(pressed.count(), 0);
        // ...but Enter on a focused button presses that button, as the desktop does.
        e.ok->setFocus();
        QTRY_COMPARE(focused(), e.ok);
        QTest::keyClick(e.ok, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(focused(), e.ok);
    }

    void excludedControlKeepsEnter()
    {
        // A text box that runs a search on Enter: a line edit reports Enter and then ignores it,
        // so Qt hands it on to the parents; it must not move the focus on its way up.
        Editor e;
        QVERIFY(e.ready());
        EnterMovesFocus::install(&e.window, {e.policy});
        QSignalSpy searched(e.policy, &QLineEdit::returnPressed);
        e.policy->setFocus();
        QTRY_COMPARE(focused(), e.policy);
        QTest::keyClick(e.policy, Qt::Key_Return);
        QCOMPARE(searched.count(), 1);
        QCOMPARE(focused(), e.policy);
        e.plate->setFocus(); // elsewhere Enter still moves on
        QTRY_COMPARE(focused(), e.plate);
        QTest::keyClick(e.plate, Qt::Key_Return);
        QCOMPARE(focused(), e.policy);
        QCOMPARE(searched.count(), 1);
    }

    void boundKeyActsOnlyWhenEnabled_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("pass");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("text");
        QTest::newRow("enabled, swallowed") << true << int(WindowKeys::Swallow) << 1 << "abc";
        QTest::newRow("enabled, also to the control")
            << true << int(WindowKeys::AlsoToControl) << 1 << "bc";
        QTest::newRow("disabled, the control has it")
            << false << int(WindowKeys::Swallow) << 0 << "bc";
    }
    void boundKeyActsOnlyWhenEnabled()
    {
        QFETCH(bool, enabled);
        QFETCH(int, pass);
        QFETCH(int, clicks);
        QFETCH(QString, text);
        Editor e;
        QVERIFY(e.ready());
        auto *remove = new QPushButton(QStringLiteral("删除"), &e.window);
        remove->setEnabled(enabled);
        QSignalSpy clicked(remove, &QPushButton::clicked);
        auto *keys = new WindowKeys(&e.window);
        keys->bind(Qt::Key_Delete, remove, WindowKeys::Pass(pass));
        e.plate->setText(QStringLiteral("abc"));
        e.plate->setFocus();
        QTRY_COMPARE(focused(), e.plate);
        e.plate->setCursorPosition(0);
        QTest::keyClick(e.plate, Qt::Key_Delete);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(e.plate->text(), text);
    }

    void windowKeysTargets()
    {
        Editor e;
        QVERIFY(e.ready());
        auto *exit = new QPushButton(QStringLiteral("退出"), &e.window);
        QAction save;
        QSignalSpy cancelled(e.cancel, &QPushButton::clicked);
        QSignalSpy exited(exit, &QPushButton::clicked);
        QSignalSpy saved(&save, &QAction::triggered);
        int queried = 0;
        bool queryEnabled = false;
        auto *keys = new WindowKeys(&e.window);
        keys->bind(Qt::Key_Escape, e.cancel).bind(Qt::Key_Escape, exit);
        keys->bind(Qt::CTRL | Qt::Key_S, &save);
        keys->bind(
            Qt::CTRL | Qt::Key_Q, [&] { ++queried; }, [&] { return queryEnabled; });
        e.plate->setFocus();
        QTRY_COMPARE(focused(), e.plate);

        // The same key twice: the first enabled binding acts, and Esc never reaches the dialog.
        QTest::keyClick(e.plate, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(exited.count(), 0);
        e.cancel->setEnabled(false);
        QTest::keyClick(e.memo, Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(exited.count(), 1);
        QVERIFY(e.window.isVisible());

        save.setEnabled(false);
        QTest::keyClick(e.plate, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saved.count(), 0);
        save.setEnabled(true);
        QTest::keyClick(e.plate, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saved.count(), 1);
        // Modifiers must match exactly.
        QTest::keyClick(e.plate, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(saved.count(), 1);

        QTest::keyClick(e.plate, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(queried, 0);
        queryEnabled = true;
        QTest::keyClick(e.plate, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(queried, 1);
    }

    void boundKeysWinOverShortcutsAndStayInTheirWindow()
    {
        Editor e;
        QVERIFY(e.ready());
        auto *shortcut = new QAction(&e.window);
        shortcut->setShortcut(Qt::CTRL | Qt::Key_S);
        e.window.addAction(shortcut);
        QSignalSpy stolen(shortcut, &QAction::triggered);
        QSignalSpy saved(e.ok, &QPushButton::clicked);
        (new WindowKeys(&e.window))->bind(Qt::CTRL | Qt::Key_S, e.ok);
        e.plate->setFocus();
        QTRY_COMPARE(focused(), e.plate);
        QTest::keyClick(e.plate, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(stolen.count(), 0);

        // Another window (a modal editor over a list, say) does not see the list's keys.
        QDialog other;
        auto *text = new QLineEdit(&other);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        text->setFocus();
        QTRY_COMPARE(focused(), text);
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saved.count(), 1);
    }
};

ORV_TEST(KeyBindingsTest)
#include "KeyBindingsTest.moc"
