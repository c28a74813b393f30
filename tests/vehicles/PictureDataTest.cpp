#include "PictureFiles.h"

#include "app/PictureData.h"
#include "support/TestMain.h"
#include "vehicles/PictureExport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vehiclestest;

class PictureDataTest : public QObject {
    Q_OBJECT
private slots:
    void filesAreKeptAsTheyAre_data();
    void filesAreKeptAsTheyAre();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void exportWritesTheChosenForm_data();
    void exportWritesTheChosenForm();
    void exportNameTakesTheFormsExtension_data();
    void exportNameTakesTheFormsExtension();
};

void PictureDataTest::filesAreKeptAsTheyAre_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qint64>("padTo"); // 0: as written
    QTest::newRow("jpeg") << "car.jpg"
                          << "jpeg" << QSize(64, 48) << qint64(0);
    QTest::newRow("bmp") << "car.BMP"
                         << "bmp" << QSize(64, 48) << qint64(0);
    QTest::newRow("png") << "car.png"
                         << "png" << QSize(64, 48) << qint64(0);
    QTest::newRow("gif") << "car.gif"
                         << "gif" << QSize(1, 1) << qint64(0);
    // The content decides, not the name.
    QTest::newRow("png named .jpg") << "photo.jpg"
                                    << "png" << QSize(64, 48) << qint64(0);
    QTest::newRow("no extension") << "photo"
                                  << "jpeg" << QSize(64, 48) << qint64(0);
    QTest::newRow("jpeg of the largest size")
        << "big.jpg"
        << "jpeg" << QSize(64, 48) << PictureData::MaxFileSize;
}

void PictureDataTest::filesAreKeptAsTheyAre()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(QSize, size);
    QFETCH(qint64, padTo);
    QTemporaryDir dir;
    const QString path = writePicture(dir.filePath(name), qPrintable(format));
    QVERIFY(!path.isEmpty());
    if (padTo > 0)
        QVERIFY(padFile(path, padTo));

    QString error;
    const std::optional<PictureFile> file = PictureData::readPictureFile(path, &error);
    QVERIFY2(file, qPrintable(error));
    QCOMPARE(file->bytes, fileBytes(path));
    QCOMPARE(file->fileName, name);
    QCOMPARE(file->image.size(), size);
    QCOMPARE(PictureData::pictureFormat(file->bytes), format.toLatin1());
    // Stored bytes show again whatever name they are stored under.
    QCOMPARE(PictureData::decodePicture(file->bytes).size(), size);
}

void PictureDataTest::badFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("empty") << "empty" << false;
    QTest::newRow("text named .jpg") << "text" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("50 MB picture") << "huge" << true;
    QTest::newRow("just over the limit") << "over" << true;
}

void PictureDataTest::badFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, tooLarge);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.jpg"));
    if (kind == u"empty")
        QVERIFY(writeJunk(path, 0));
    else if (kind == u"text")
        QVERIFY(writeBytes(path, "plain text, no picture\n"));
    else if (kind == u"huge")
        QVERIFY(!writePicture(path, "jpeg").isEmpty() && padFile(path, 50 * 1024 * 1024));
    else if (kind == u"over")
        QVERIFY(!writePicture(path, "jpeg").isEmpty() &&
                padFile(path, PictureData::MaxFileSize + 1));

    QString error;
    QVERIFY(!PictureData::readPictureFile(path, &error));
    QCOMPARE(error,
             tooLarge ? PictureData::tooLargeMessage(path) : PictureData::unreadableMessage(path));
}

void PictureDataTest::exportWritesTheChosenForm_data()
{
    QTest::addColumn<QString>("source"); // the format of the picture's file
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("written"); // the written file's format; empty: refused
    QTest::newRow("png as jpeg") << "png" << int(PictureExport::Form::Jpeg) << "jpeg";
    QTest::newRow("jpeg as bmp") << "jpeg" << int(PictureExport::Form::Bmp) << "bmp";
    QTest::newRow("gif as gif") << "gif" << int(PictureExport::Form::Gif) << "gif";
    QTest::newRow("gif as bmp") << "gif" << int(PictureExport::Form::Bmp) << "bmp";
    // Qt has no GIF encoder: another picture is not passed off as a GIF.
    QTest::newRow("jpeg as gif") << "jpeg" << int(PictureExport::Form::Gif) << "";
}

void PictureDataTest::exportWritesTheChosenForm()
{
    QFETCH(QString, source);
    QFETCH(int, form);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const QString sourcePath =
        writePicture(dir.filePath(QStringLiteral("in.") + source), qPrintable(source));
    const std::optional<PictureFile> picture = PictureData::readPictureFile(sourcePath);
    QVERIFY(picture);

    const QString target = dir.filePath(QStringLiteral("out"));
    QString error;
    const bool ok = PictureExport::write(picture->image, picture->bytes, PictureExport::Form(form),
                                         target, &error);
    if (written.isEmpty()) {
        QVERIFY(!ok);
        QCOMPARE(error, PictureExport::gifRefusedMessage());
        QVERIFY(!QFile::exists(target));
        return;
    }
    QVERIFY2(ok, qPrintable(error));
    const QByteArray bytes = fileBytes(target);
    QCOMPARE(PictureData::pictureFormat(bytes), written.toLatin1());
    QCOMPARE(PictureData::decodePicture(bytes).size(), picture->image.size());
    if (written == u"gif")
        QCOMPARE(bytes, picture->bytes);
}

void PictureDataTest::exportNameTakesTheFormsExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("target");
    QTest::newRow("other extension")
        << "/p/car.png" << int(PictureExport::Form::Jpeg) << "/p/car.jpg";
    QTest::newRow(".jpeg becomes .jpg")
        << "/p/car.jpeg" << int(PictureExport::Form::Jpeg) << "/p/car.jpg";
    QTest::newRow("no extension") << "/p.d/car" << int(PictureExport::Form::Gif) << "/p.d/car.gif";
    QTest::newRow("hidden name") << "/p/.car" << int(PictureExport::Form::Bmp) << "/p/.car.bmp";
}

void PictureDataTest::exportNameTakesTheFormsExtension()
{
    QFETCH(QString, chosen);
    QFETCH(int, form);
    QFETCH(QString, target);
    QCOMPARE(PictureExport::targetPath(chosen, PictureExport::Form(form)), target);
}

ORV_TEST(PictureDataTest)
#include "PictureDataTest.moc"
