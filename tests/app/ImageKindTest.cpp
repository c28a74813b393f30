#include "app/ImageKind.h"
#include "support/TestMain.h"

#include <QTest>

class ImageKindTest : public QObject {
    Q_OBJECT
private slots:
    void kindOfFile_data();
    void kindOfFile();
};

void ImageKindTest::kindOfFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("kind");
    QTest::newRow("bmp") << "/home/a/car.bmp" << 1;
    QTest::newRow("jpg") << "car.jpg" << 2;
    QTest::newRow("upper-case jpeg") << "A.JPEG" << 2;
    QTest::newRow("gif") << "accident.Gif" << 3;
    QTest::newRow("png") << "a.png" << 0;
    QTest::newRow("no extension") << "picture" << 0;
    QTest::newRow("dot in folder only") << "/pics.jpg/picture" << 0;
    QTest::newRow("windows path") << "C:\\车辆\\照片.JPG" << 2;
    QTest::newRow("dot in windows folder only") << "C:\\pics.gif\\picture" << 0;
    QTest::newRow("last extension counts") << "car.jpg.bak" << 0;
    QTest::newRow("empty") << "" << 0;
}

void ImageKindTest::kindOfFile()
{
    QFETCH(QString, fileName);
    QFETCH(int, kind);
    QCOMPARE(ImageKindOfFile(fileName), kind);
}

ORV_TEST(ImageKindTest)
#include "ImageKindTest.moc"
