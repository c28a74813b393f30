#pragma once
#include <QByteArray>
#include <QImage>
#include <QLabel>

// One picture of an editor (the vehicle's three pictures, the accident's three): the bytes as
// read from the picture's file, kept unchanged so that every format the program shows survives a
// save, the path or file name that belongs to them, and the picture stretched over the slot.
// Stored bytes are decoded by their content, not by the name's extension.
class PictureSlot : public QLabel {
    Q_OBJECT
public:
    // Larger files are refused: a picture of a vehicle or an accident scene needs far less, and
    // the whole file travels with every save of its record.
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

    explicit PictureSlot(QWidget *parent = nullptr);

    // The stored form: bytes and name. Bytes that are no picture leave the slot empty.
    void setStored(const QByteArray &bytes, const QString &path);
    // Reads the picture file; on failure the slot stays as it was and `error` says why.
    bool loadFile(const QString &path, QString *error);
    void clearPicture();

    bool hasPicture() const { return !m_image.isNull(); }
    QByteArray bytes() const { return m_bytes; }
    QString path() const { return m_path; }
    QString fileName() const;
    QImage image() const { return m_image; }

    // The message for a file that cannot be read as a picture.
    static QString unreadableMessage(const QString &path);
    static QString tooLargeMessage(const QString &path);

signals:
    void doubleClicked();
    void changed();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showImage();

    QByteArray m_bytes;
    QString m_path;
    QImage m_image;
};
