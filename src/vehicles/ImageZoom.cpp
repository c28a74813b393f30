#include "ImageZoom.h"

#include <QtGlobal>
#include <array>

namespace {

constexpr std::array<double, ImageZoom::Last> Factors{0.05, 0.07, 0.1, 0.15, 0.2, 0.3, 0.5, 0.7,
                                                      1.0,  1.5,  2.0, 3.0,  5.0, 7.0, 10.0};

} // namespace

namespace ImageZoom {

double factor(int level)
{
    return Factors[qBound(First, level, Last) - First];
}

QString percentText(int level)
{
    return QString::number(qRound(factor(level) * 100)) + QLatin1Char('%');
}

QSize scaledSize(const QSize &picture, int level)
{
    const double f = factor(level);
    return QSize(qRound(picture.width() * f), qRound(picture.height() * f));
}

} // namespace ImageZoom
