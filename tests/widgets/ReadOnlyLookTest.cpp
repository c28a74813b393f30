// The read-only look: the colour, no change by the operator, out of the tab order, and back.
#include "widgets/ReadOnlyLook.h"
#include "support/TestMain.h"
#include "widgets/CurrencyEdit.h"
#include "widgets/DatePicker.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

class ReadOnlyLookTest : public QObject {
    Q_OBJECT

    // The control under test and a reading of its value.
    struct Control {
        QWidget *widget = nullptr;
        std::function<QString()> value;
    };
    static Control make(const QString &kind)
    {
        if (kind == u"line edit") {
            auto *w = new QLineEdit(QStringLiteral("浙A12345"));
            return {w, [w] { return w->text(); }};
        }
        if (kind == u"memo") {
            auto *w = new QPlainTextEdit(QStringLiteral("备注"));
            return {w, [w] { return w->toPlainText(); }};
        }
        if (kind == u"currency edit") {
            auto *w = new CurrencyEdit;
            w->setValue(8.5);
            return {w, [w] { return QString::number(w->value()); }};
        }
        if (kind == u"date picker") {
            auto *w = new DatePicker;
            w->setCheckable(true);
            w->setDate(QDate(2009, 3, 1));
            return {w, [w] { return w->storedText(); }};
        }
        auto *w = new QComboBox;
        if (kind == u"editable drop-down")
            makeEditablePickBox(w);
        else
            makeListOnlyPickBox(w);
        w->addItems({QString(), QStringLiteral("甲"), QStringLiteral("乙")});
        w->setCurrentIndex(1);
        return {w, [w] { return w->currentText(); }};
    }

private slots:
    void readOnlyLook_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"line edit", "memo", "currency edit", "date picker",
                                 "editable drop-down", "list-only drop-down"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void readOnlyLook()
    {
        QFETCH(QString, kind);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *before = new QLineEdit;
        const Control control = make(kind);
        auto *after = new QLineEdit;
        layout->addWidget(before);
        layout->addWidget(control.widget);
        layout->addWidget(after);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString value = control.value();
        const QColor base = control.widget->palette().color(QPalette::Base);

        setReadOnlyLook(control.widget, true);
        QVERIFY(hasReadOnlyLook(control.widget));
        QCOMPARE(control.widget->palette().color(QPalette::Base), QColor(163, 149, 242));
        before->setFocus();
        QTRY_VERIFY(before->hasFocus());
        QTest::keyClick(before, Qt::Key_Tab);
        QTRY_VERIFY(after->hasFocus()); // skipped
        // Typing, stepping, the wheel and clicks change nothing.
        control.widget->setFocus();
        QTest::keyClicks(control.widget, QStringLiteral("7x"));
        QTest::keyClick(control.widget, Qt::Key_Down);
        QTest::keyClick(control.widget, Qt::Key_Space);
        QTest::keyClick(control.widget, Qt::Key_Backspace);
        QTest::mouseClick(control.widget, Qt::LeftButton, {}, control.widget->rect().center());
        QCOMPARE(control.value(), value);

        setReadOnlyLook(control.widget, false);
        QVERIFY(!hasReadOnlyLook(control.widget));
        QCOMPARE(control.widget->palette().color(QPalette::Base), base);
        before->setFocus();
        QTRY_VERIFY(before->hasFocus());
        QTest::keyClick(before, Qt::Key_Tab);
        QTRY_VERIFY(control.widget->hasFocus());
        QTest::keyClick(control.widget, Qt::Key_Up);
        QTest::keyClicks(control.widget, QStringLiteral("7"));
        QVERIFY(control.value() != value);
    }
};

ORV_TEST(ReadOnlyLookTest)
#include "ReadOnlyLookTest.moc"
