#pragma once
#include <QString>

// The program's look on a Linux desktop: a font that has the Chinese characters (so that no
// caption shows empty boxes), 宋体 mapped to an installed serif CJK font, and the Chinese locale
// for dates and the standard dialogs.
void applyApplicationLook();

// The first installed family that shows Chinese text, or an empty text when there is none.
QString chineseFontFamily();
