#include "PictureSlot.h"

#include <QFile>
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
    m_image = QImage::fromData(bytes);
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
    QFile file(path);
    if (file.size() > MaxFileBytes) {
        if (error)
            *error = tooLargeMessage(path);
        return false;
    }
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    const QImage image = QImage::fromData(bytes);
    if (image.isNull()) {
        if (error)
            *error = unreadableMessage(path);
        return false;
    }
    m_bytes = bytes;
    m_path = path;
    m_image = image;
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

QString PictureSlot::unreadableMessage(const QString &path)
{
    return QStringLiteral("读取文件：") + path + QStringLiteral("时发生错误！\r") +
           QStringLiteral("该文件不是标准格式的文件，或者该文件已经被损坏！");
}

QString PictureSlot::tooLargeMessage(const QString &path)
{
    return QStringLiteral("图片文件：") + path + QStringLiteral("超过16MB，不能保存！");
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
    setPixmap(QPixmap::fromImage(m_image.scaled(size(), Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation)));
}
