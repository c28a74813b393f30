#pragma once
#include <QStringList>

// The desktop programs the tools menu starts: the first one of a short list that is installed,
// found and started through the platform seam.
namespace DesktopPrograms {
QStringList calculators();
QStringList textEditors();
// The first of the programs the platform finds, or an empty text.
QString firstInstalled(const QStringList &programs);

// Each returns false when nothing could be started; the caller tells the operator.
bool startCalculator();
// An editor without a file, or else the desktop's program for text files on a new empty file.
bool startTextEditor();
} // namespace DesktopPrograms
