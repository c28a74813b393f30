#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// Pictures as the editors keep them: the bytes of the file the operator chose, stored as they
// are, and decoded by their content wherever they are shown. Keeping the bytes keeps every
// format the program shows (BMP, JPEG, GIF, PNG) without a lossy round trip through another one.
//
//   QString error;
//   if (const auto file = PictureData::readPictureFile(path, &error))
//       store(file->bytes, file->fileName), show(file->image);
//   else
//       ShowMess(error, 3);
//   ...
//   show(PictureData::decodePicture(blob));
struct PictureFile {
    QByteArray bytes; // the file's content, unchanged
    QString fileName; // the name without folders
    QImage image;     // the decoded picture
};

namespace PictureData {
// Larger files are refused: a picture of a vehicle or an accident needs far less, and every copy
// of the program reads the blob whenever the record is shown.
inline constexpr qint64 MaxFileSize = 20 * 1024 * 1024;

// Reads a picture file. Refuses (nullopt, with the message for the operator in *error) a missing
// or unreadable file, an empty one, one larger than MaxFileSize, and one whose content is not a
// BMP, JPEG, GIF or PNG picture that decodes.
std::optional<PictureFile> readPictureFile(const QString &path, QString *error = nullptr);

// Decodes stored picture bytes by their content, whatever name they were stored under; a null
// image for empty or undecodable bytes.
QImage decodePicture(const QByteArray &bytes);

// The format the bytes hold by their content ("bmp", "jpeg", "gif", "png" ...), empty when they
// are no picture.
QByteArray pictureFormat(const QByteArray &bytes);

// The operator's messages for a refused file.
QString unreadableMessage(const QString &path);
QString tooLargeMessage(const QString &path);
} // namespace PictureData
