#include "PictureExport.h"

#include "app/PictureData.h"

#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

namespace {

bool hasGifEncoder()
{
    return QImageWriter::supportedImageFormats().contains("gif");
}

bool isGif(const QByteArray &bytes)
{
    return PictureData::pictureFormat(bytes) == "gif";
}

bool writeImage(const QImage &image, const char *format, QSaveFile &file)
{
    QImageWriter writer(&file, format);
    if (qstrcmp(format, "jpeg") == 0)
        writer.setQuality(PictureExport::JpegQuality);
    return writer.write(image);
}

} // namespace

namespace PictureExport {

QString noPictureMessage()
{
    return QStringLiteral("没有可以输出的图片！");
}

QString gifRefusedMessage()
{
    return QStringLiteral("只有从 GIF 文件载入的图片才能输出为 GIF 格式！") + QLatin1Char('\r') +
           QStringLiteral("请选择 JPEG 或 BMP 格式输出该图片。");
}

QString writeFailedMessage(const QString &path)
{
    return QStringLiteral("写入文件：") + path + QStringLiteral("时发生错误！");
}

QString targetPath(const QString &chosen, Form form)
{
    const QString extension = form == Form::Jpeg  ? QStringLiteral(".jpg")
                              : form == Form::Gif ? QStringLiteral(".gif")
                                                  : QStringLiteral(".bmp");
    const qsizetype slash = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\'));
    const qsizetype dot = chosen.lastIndexOf(u'.');
    const QString base = dot > slash + 1 ? chosen.left(dot) : chosen;
    return base + extension;
}

bool canWrite(const QImage &image, const QByteArray &sourceBytes, Form form)
{
    if (image.isNull())
        return false;
    if (form == Form::Gif)
        return isGif(sourceBytes) || hasGifEncoder();
    return true;
}

bool write(const QImage &image, const QByteArray &sourceBytes, Form form, const QString &path,
           QString *error)
{
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (image.isNull())
        return fail(noPictureMessage());
    if (!canWrite(image, sourceBytes, form))
        return fail(gifRefusedMessage());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(writeFailedMessage(path));
    bool written = false;
    switch (form) {
    case Form::Jpeg:
        written = writeImage(image, "jpeg", file);
        break;
    case Form::Bmp:
        written = writeImage(image, "bmp", file);
        break;
    case Form::Gif:
        // The GIF's own bytes keep its palette and frames; an encoder, where Qt has one, serves
        // pictures that came from elsewhere.
        written = isGif(sourceBytes) ? file.write(sourceBytes) == sourceBytes.size()
                                     : writeImage(image, "gif", file);
        break;
    }
    if (!written || !file.commit())
        return fail(writeFailedMessage(path));
    return true;
}

} // namespace PictureExport
