#include "PictureData.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

bool isKeptFormat(const QByteArray &format)
{
    return format == "bmp" || format == "jpeg" || format == "gif" || format == "png";
}

} // namespace

namespace PictureData {

QString unreadableMessage(const QString &path)
{
    return QStringLiteral("读取文件：") + path + QStringLiteral("时发生错误！") +
           QLatin1Char('\r') + QStringLiteral("该文件不是标准格式的文件，或者该文件已经被损坏！");
}

QString tooLargeMessage(const QString &path)
{
    return QStringLiteral("读取文件：") + path + QStringLiteral("时发生错误！") +
           QLatin1Char('\r') +
           QStringLiteral("该文件大于 %1 MB，不能作为图片载入！").arg(MaxFileSize / (1024 * 1024));
}

std::optional<PictureFile> readPictureFile(const QString &path, QString *error)
{
    auto refuse = [&](const QString &message) -> std::optional<PictureFile> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const QFileInfo info(path);
    // The size is checked before reading, so a huge file is never loaded into memory.
    if (info.isFile() && info.size() > MaxFileSize)
        return refuse(tooLargeMessage(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(unreadableMessage(path));
    PictureFile picture;
    picture.bytes = file.read(MaxFileSize + 1);
    if (picture.bytes.size() > MaxFileSize) // grew while reading, or not a plain file
        return refuse(tooLargeMessage(path));
    if (!isKeptFormat(pictureFormat(picture.bytes)))
        return refuse(unreadableMessage(path));
    picture.image = decodePicture(picture.bytes);
    if (picture.image.isNull())
        return refuse(unreadableMessage(path));
    picture.fileName = info.fileName();
    return picture;
}

QImage decodePicture(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    return QImage::fromData(bytes);
}

QByteArray pictureFormat(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer);
}

} // namespace PictureData
