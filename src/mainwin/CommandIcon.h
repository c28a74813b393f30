#pragma once
#include <QColor>
#include <QIcon>

// The program's icons: a rounded tile in the colour of the command's group with one character
// of the caption on it. Drawn, so they are sharp at every size and need no image files.
namespace CommandIcon {
QIcon tile(QChar glyph, const QColor &colour);
// The colour of a command group (1 to 4); other groups get the tool colour.
QColor groupColour(int group);
} // namespace CommandIcon
