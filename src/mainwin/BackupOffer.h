#pragma once
#include <QDate>

// Whether closing the program offers a backup, by [config] "ibak": 1 always, 2 on Mondays,
// 3 on the first day of a month, any other value never.
bool backupOffered(int autoBackupMode, const QDate &today);
