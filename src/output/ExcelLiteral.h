#pragma once
#include <QString>

// Writes text into a spreadsheet number format so that it shows as it is: runs of characters in
// double quotes, a double quote as \", and the characters `isPlain` accepts left bare (a format
// shows some punctuation without quotes, and which ones differ between number and date formats).
namespace ExcelLiteral {
void append(QString &out, QStringView text, bool (*isPlain)(QChar));
}
