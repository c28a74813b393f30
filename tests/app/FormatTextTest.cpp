#include "app/FormatText.h"
#include "support/TestMain.h"

#include <QTest>

class FormatTextTest : public QObject {
    Q_OBJECT
private slots:
    void splitSections_data();
    void splitSections();
    void unquotedCharacters_data();
    void unquotedCharacters();
};

void FormatTextTest::splitSections_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("sections");

    QTest::newRow("empty is one empty section") << "" << QStringList{""};
    QTest::newRow("one section") << "0.00" << QStringList{"0.00"};
    QTest::newRow("three sections") << "0;-0;'零'" << QStringList{"0", "-0", "'零'"};
    QTest::newRow("empty middle and trailing") << "0;;" << QStringList{"0", "", ""};
    QTest::newRow("beyond three is dropped") << "a;b;c;d;e" << QStringList{"a", "b", "c"};
    QTest::newRow("semicolons in both quotes")
        << "'a;b'0;\"c;d\"" << QStringList{"'a;b'0", "\"c;d\""};
    QTest::newRow("other quote inside a quote") << "'\";'0;1" << QStringList{"'\";'0", "1"};
    QTest::newRow("open quote runs to the end") << "0;'x;y" << QStringList{"0", "'x;y"};
}

void FormatTextTest::splitSections()
{
    QFETCH(QString, format);
    QFETCH(QStringList, sections);
    QStringList got;
    for (QStringView part : FormatText::splitSections(format))
        got << part.toString();
    QCOMPARE(got, sections);
}

void FormatTextTest::unquotedCharacters_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("unquoted");

    QTest::newRow("no quotes") << "yyyy-mm"
                               << "yyyy-mm";
    QTest::newRow("both quotes") << "yyyy'年'mm\"月\""
                                 << "yyyymm";
    QTest::newRow("open quote") << "0.00' 元"
                                << "0.00";
    QTest::newRow("doubled quote is empty text") << "a''b"
                                                 << "ab";
}

void FormatTextTest::unquotedCharacters()
{
    QFETCH(QString, format);
    QFETCH(QString, unquoted);
    QString got;
    const bool whole = FormatText::forEachUnquoted(format, [&](qsizetype i, QChar c) {
        if (format[i] != c)
            return false;
        got += c;
        return true;
    });
    QVERIFY(whole);
    QCOMPARE(got, unquoted);

    // The walk stops where the visitor says so.
    int seen = 0;
    QVERIFY(unquoted.isEmpty() ||
            !FormatText::forEachUnquoted(format, [&](qsizetype, QChar) { return ++seen < 1; }));
    QCOMPARE(seen, unquoted.isEmpty() ? 0 : 1);
}

ORV_TEST(FormatTextTest)
#include "FormatTextTest.moc"
