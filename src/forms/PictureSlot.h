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
    explicit PictureSlot(QWidget *parent = nullptr);

    // The stored form: bytes and name. Bytes that are no picture leave the slot empty.
    void setStored(const QByteArray &bytes, const QString &path);
    // Reads the picture file (PictureData::readPictureFile); on failure the slot stays as it was
    // and `error` holds the message for the operator.
    bool loadFile(const QString &path, QString *error);
    void clearPicture();

    bool hasPicture() const { return !m_image.isNull(); }
    QByteArray bytes() const { return m_bytes; }
    QString path() const { return m_path; }
    QString fileName() const;
    QImage image() const { return m_image; }

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
