#include "CommandIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap drawTile(QChar glyph, const QColor &colour, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour);
    QPainterPath path;
    path.addRoundedRect(box, size * 0.2, size * 0.2);
    painter.fillPath(path, fill);
    painter.setPen(QPen(colour.darker(130), 1));
    painter.drawPath(path);
    QFont font = painter.font();
    font.setPixelSize(int(size * 0.62));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, QString(glyph));
    return pixmap;
}

} // namespace

QIcon CommandIcon::tile(QChar glyph, const QColor &colour)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(drawTile(glyph, colour, size));
    return icon;
}

QColor CommandIcon::groupColour(int group)
{
    switch (group) {
    case 1:
        return QColor(84, 110, 160);
    case 2:
        return QColor(46, 139, 87);
    case 3:
        return QColor(214, 120, 36);
    case 4:
        return QColor(128, 80, 160);
    default:
        return QColor(30, 130, 150);
    }
}
