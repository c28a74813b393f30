#pragma once
#include <QString>

// The kind of picture a stored file name stands for, used to decode the stored bytes:
// ".bmp" 1, ".jpg" and ".jpeg" 2, ".gif" 3, anything else (also no extension) 0; the extension
// is compared without regard to case. Both '/' and '\' separate folders, since names stored by
// older copies of the program carry Windows paths.
int ImageKindOfFile(const QString &fileName);
