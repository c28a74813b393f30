#pragma once
#include <QSize>
#include <QString>

// The viewer's zoom levels: 1 to 15, level 9 the picture's own size.
namespace ImageZoom {
inline constexpr int First = 1;
inline constexpr int Natural = 9;
inline constexpr int Last = 15;

// The factor of a level (0.05 at level 1 up to 10 at level 15); levels outside are clamped.
double factor(int level);
// The factor as a whole percentage with "%" ("100%").
QString percentText(int level);
// The picture's size at a level, rounded to whole pixels.
QSize scaledSize(const QSize &picture, int level);
} // namespace ImageZoom
