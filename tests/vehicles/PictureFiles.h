#pragma once
// Picture files for the tests of this folder, written into a test's own folder.
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

namespace vehiclestest {

// A 1x1 GIF: Qt reads GIF but cannot write it.
inline QByteArray gifBytes()
{
    static const unsigned char gif[] = {
        'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(gif), sizeof gif);
}

inline QImage testImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    return image;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A picture of that size in the format ("jpeg", "png", "bmp"); "gif" writes the 1x1 GIF.
inline QString writePicture(const QString &path, const char *format, int width = 64,
                            int height = 48)
{
    if (qstrcmp(format, "gif") == 0)
        return writeBytes(path, gifBytes()) ? path : QString();
    return testImage(width, height).save(path, format) ? path : QString();
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of that size that holds no picture (sparse, so a large one costs no disk).
inline bool writeJunk(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (size > 0 && file.write("not a picture\n") < 0)
        return false;
    return file.resize(size);
}

// Pads a file to that size (sparse): a real picture followed by padding still decodes.
inline bool padFile(const QString &path, qint64 size)
{
    QFile file(path);
    return file.resize(size);
}

} // namespace vehiclestest
