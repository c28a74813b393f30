#include "PictureSlot.h"

#include "app/PictureData.h"

#include <QFileInfo>

PictureSlot::PictureSlot(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(102, 100);
    setFrameShape(QFrame::StyledPanel);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void PictureSlot::setStored(const QByteArray &bytes, const QString &path)
{
    m_image = PictureData::decodePicture(bytes);
    if (m_image.isNull()) {
        clearPicture();
        return;
    }
    m_bytes = bytes;
    m_path = path;
    showImage();
}

bool PictureSlot::loadFile(const QString &path, QString *error)
{
    const std::optional<PictureFile> file = PictureData::readPictureFile(path, error);
    if (!file)
        return false;
    m_bytes = file->bytes;
    m_path = path;
    m_image = file->image;
    showImage();
    emit changed();
    return true;
}

void PictureSlot::clearPicture()
{
    m_bytes.clear();
    m_path.clear();
    m_image = QImage();
    clear();
    emit changed();
}

QString PictureSlot::fileName() const
{
    return QFileInfo(m_path).fileName();
}

void PictureSlot::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void PictureSlot::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showImage();
}

void PictureSlot::showImage()
{
    if (m_image.isNull()) {
        clear();
        return;
    }
    // Stretched over the slot, as the editors show their pictures.
    setPixmap(QPixmap::fromImage(
        m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}
