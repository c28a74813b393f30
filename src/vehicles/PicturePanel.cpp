#include "PicturePanel.h"

#include <QPaintEvent>
#include <QPainter>

PicturePanel::PicturePanel(QWidget *parent) : QWidget(parent)
{
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

void PicturePanel::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return;
    const double sx = double(m_picture.width()) / width();
    const double sy = double(m_picture.height()) / height();
    const QRectF target = event->rect();
    const QRectF source(target.x() * sx, target.y() * sy, target.width() * sx,
                        target.height() * sy);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, sx > 1.0 || sy > 1.0);
    painter.drawImage(target, m_picture, source);
}
