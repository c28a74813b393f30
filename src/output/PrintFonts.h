#pragma once
#include <QFont>

// The print font: 宋体, or the closest serif CJK face the system has. Sizes are in points and
// become pixel sizes in print dots, so text measures the same on every device.
namespace PrintFonts {
QFont font(double points, bool bold = false);
QStringList families();
} // namespace PrintFonts
