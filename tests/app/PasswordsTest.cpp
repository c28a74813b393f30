#include "app/Passwords.h"
#include "support/TestMain.h"

#include <QTest>

class PasswordsTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void damagedStoredTextDecodesToNothing_data();
    void damagedStoredTextDecodesToNothing();
    void emptyStoredTextIsTheEmptyPassword();
};

void PasswordsTest::roundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("empty") << "";
    QTest::newRow("ascii") << "secret123";
    QTest::newRow("chinese") << "密码测试";
    QTest::newRow("quotes") << "it's \"quoted\" ''";
    QTest::newRow("blanks kept") << "  a b  ";
    QTest::newRow("emoji") << "车🚗";
    QTest::newRow("long") << QString(300, u'x') + QStringLiteral("尾");
}

void PasswordsTest::roundTrip()
{
    QFETCH(QString, password);
    const QString stored = SavePass(password);
    QCOMPARE(GetPass(stored), password);
    QCOMPARE(tryGetPass(stored), std::optional<QString>(password));
    // Stored as ASCII, without the password in sight, and salted anew each time.
    for (const QChar c : stored)
        QVERIFY(c.unicode() < 0x80);
    if (!password.trimmed().isEmpty())
        QVERIFY(!stored.contains(password.trimmed()));
    const QString again = SavePass(password);
    QVERIFY(again != stored);
    QCOMPARE(GetPass(again), password);
}

void PasswordsTest::damagedStoredTextDecodesToNothing_data()
{
    QTest::addColumn<QString>("stored");
    const QString good = SavePass(QStringLiteral("管理员口令"));
    QString flipped = good;
    flipped[flipped.size() - 3] = flipped[flipped.size() - 3] == u'A' ? u'B' : u'A';
    QTest::newRow("plain text") << "secret";
    QTest::newRow("prefix only") << "p1:";
    QTest::newRow("not base64") << "p1:!!!!####";
    QTest::newRow("too short") << "p1:AAAA";
    QTest::newRow("cut") << good.left(good.size() - 4);
    QTest::newRow("one character changed") << flipped;
    QTest::newRow("non-ascii") << "p1:密码";
}

void PasswordsTest::damagedStoredTextDecodesToNothing()
{
    QFETCH(QString, stored);
    QVERIFY(!tryGetPass(stored).has_value());
    QCOMPARE(GetPass(stored), QString());
}

void PasswordsTest::emptyStoredTextIsTheEmptyPassword()
{
    QCOMPARE(tryGetPass(QString()), std::optional<QString>(QString()));
    QCOMPARE(GetPass(QString()), QString());
}

ORV_TEST(PasswordsTest)
#include "PasswordsTest.moc"
