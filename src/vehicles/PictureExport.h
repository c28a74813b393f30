#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Writing the viewer's picture to a file in one of the three forms its save dialog offers.
namespace PictureExport {
// In the order of the save dialog's filters.
enum class Form { Jpeg = 1, Gif = 2, Bmp = 3 };

inline constexpr int JpegQuality = 90;

// The chosen name with its extension replaced by the form's (".jpg", ".gif", ".bmp"), or the
// extension added when the name has none.
QString targetPath(const QString &chosen, Form form);

// True when the picture can be written in that form. Qt has no GIF encoder: a GIF is written only
// from the bytes of a GIF file as they are (sourceBytes), never converted from another picture.
bool canWrite(const QImage &image, const QByteArray &sourceBytes, Form form);

// Writes the picture to the path (replacing a file there only once the new one is complete).
// False with the operator's message in *error.
bool write(const QImage &image, const QByteArray &sourceBytes, Form form, const QString &path,
           QString *error = nullptr);

QString noPictureMessage();
QString gifRefusedMessage();
QString writeFailedMessage(const QString &path);
} // namespace PictureExport
