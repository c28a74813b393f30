// Number and currency inputs: the display format when not being edited, the plain number while
// being edited, what can be typed, and the money rounding.
#include "widgets/NumberEdit.h"
#include "support/TestMain.h"
#include "widgets/CurrencyEdit.h"
#include "widgets/NumberText.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class NumberEditTest : public QObject {
    Q_OBJECT

    // A window with the input under test and a second control to move the focus to.
    struct Form {
        QWidget window;
        NumberEdit *edit;
        QLineEdit *other;
        explicit Form(NumberEdit *input) : edit(input)
        {
            auto *layout = new QVBoxLayout(&window);
            layout->addWidget(other = new QLineEdit); // takes the focus first
            layout->addWidget(edit);
            window.show();
            window.activateWindow();
        }
        bool ready()
        {
            if (!QTest::qWaitForWindowActive(&window))
                return false;
            focusOther();
            return QTest::qWaitFor([this] { return other->hasFocus(); });
        }
        void focusEdit() { edit->setFocus(Qt::TabFocusReason); }
        void focusOther() { other->setFocus(Qt::TabFocusReason); }
    };

private slots:
    void displayTextUnlessEditing_data()
    {
        QTest::addColumn<bool>("currency");
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("editing");
        QTest::newRow("money, default format")
            << true << CurrencyEdit::DefaultFormat << 1234.5 << "￥1,234.50"
            << "1234.5";
        QTest::newRow("negative money")
            << true << CurrencyEdit::DefaultFormat << -12.3456 << "-￥12.3456"
            << "-12.3456";
        QTest::newRow("zero money") << true << CurrencyEdit::DefaultFormat << 0.0 << "￥0.00"
                                    << "0";
        QTest::newRow("amount format") << true << "￥,0.00" << 1234567.891 << "￥1,234,567.89"
                                       << "1234567.891";
        QTest::newRow("quantity format") << false << "0.##" << 2.5 << "2.5"
                                         << "2.5";
        QTest::newRow("quantity, no format") << false << "" << 1e15 << "1000000000000000"
                                             << "1000000000000000";
    }
    void displayTextUnlessEditing()
    {
        QFETCH(bool, currency);
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QFETCH(QString, editing);
        Form form(currency ? new CurrencyEdit : new NumberEdit);
        QVERIFY(form.ready());
        form.edit->setDisplayFormat(format);
        form.edit->setValue(value);
        QCOMPARE(form.edit->text(), shown);
        form.focusEdit();
        QTRY_VERIFY(form.edit->hasFocus());
        QCOMPARE(form.edit->text(), editing);
        form.focusOther();
        QTRY_VERIFY(!form.edit->hasFocus());
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(form.edit->value(), value);
    }

    void typingGivesTheValue()
    {
        Form form(new CurrencyEdit);
        QVERIFY(form.ready());
        QSignalSpy changed(form.edit, &NumberEdit::valueChanged);
        form.focusEdit();
        QTRY_VERIFY(form.edit->hasFocus());
        QTest::keyClicks(form.edit, QStringLiteral("12a.34567"));
        // Letters and a fifth decimal cannot be typed; the value follows every keystroke.
        QCOMPARE(form.edit->text(), QStringLiteral("12.3456"));
        QCOMPARE(form.edit->value(), 12.3456);
        QVERIFY(changed.count() >= 1);
        QCOMPARE(changed.last().first().toDouble(), 12.3456);
        form.focusOther();
        QTRY_COMPARE(form.edit->text(), QStringLiteral("￥12.3456"));

        form.focusEdit();
        QTRY_VERIFY(form.edit->hasFocus());
        form.edit->selectAll();
        QTest::keyClicks(form.edit, QStringLiteral("-5"));
        QCOMPARE(form.edit->value(), -5.0);
        form.edit->selectAll();
        QTest::keyClick(form.edit, Qt::Key_Delete);
        QCOMPARE(form.edit->value(), 0.0);
    }

    void moneyRoundsToFourPlaces_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("kept");
        QTest::newRow("half up, binary just below") << 1.00005 << 1.0001;
        QTest::newRow("below half") << 2.00004 << 2.0;
        QTest::newRow("negative half away from zero") << -1.23455 << -1.2346;
        QTest::newRow("large amount") << 12345678.12345 << 12345678.1235;
        QTest::newRow("already four places") << 0.1234 << 0.1234;
    }
    void moneyRoundsToFourPlaces()
    {
        QFETCH(double, value);
        QFETCH(double, kept);
        CurrencyEdit edit;
        edit.setValue(value);
        QCOMPARE(edit.value(), kept);
        QCOMPARE(NumberText::round(value, 4), kept);
    }

    void untouchedQuantityKeepsItsValue()
    {
        // Moving through an input must not cut a stored figure to the places shown.
        auto *quantity = new NumberEdit;
        quantity->setDecimals(2);
        Form form(quantity);
        QVERIFY(form.ready());
        quantity->setValue(12.345);
        form.focusEdit();
        QTRY_VERIFY(quantity->hasFocus());
        QCOMPARE(quantity->text(), QStringLiteral("12.35"));
        form.focusOther();
        QTRY_VERIFY(!quantity->hasFocus());
        QCOMPARE(quantity->value(), 12.345);
    }
};

ORV_TEST(NumberEditTest)
#include "NumberEditTest.moc"
