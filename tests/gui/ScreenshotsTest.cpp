#include "mainwin/Screenshots.h"
#include "mainwin/ApplicationLook.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QImage>
#include <QTest>

class ScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void tourSavesEveryPicture();
};

void ScreenshotsTest::tourSavesEveryPicture()
{
    TestEnvironment env;
    QVERIFY(env.createDemoDatabase());
    DataModule &module = env.connect();
    const QFont font = QApplication::font();
    applyApplicationLook();
    QVERIFY2(!chineseFontFamily().isEmpty(), "no font with Chinese characters is installed");

    const int status = runScreenshots(module, env.path(QStringLiteral("shots")));
    QApplication::setFont(font);

    QCOMPARE(status, 0);
    QStringList names{"login", "main", "nav-1", "nav-4", "about", "104", "206"};
    for (int menu = 1; menu <= 6; ++menu)
        names << QStringLiteral("menu-%1").arg(menu);
    for (const QString &name : names) {
        const QImage picture(env.path(QStringLiteral("shots/%1.png").arg(name)));
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QVERIFY2(picture.width() >= 300 && picture.height() >= 150, qPrintable(name));
    }
    QCOMPARE(QImage(env.path("shots/main.png")).size(), QSize(1100, 720));
    QCOMPARE(QImage(env.path("shots/login.png")).size(), QSize(338, 223));
}

ORV_TEST(ScreenshotsTest)
#include "ScreenshotsTest.moc"
