#include "BackupOffer.h"

bool backupOffered(int autoBackupMode, const QDate &today)
{
    switch (autoBackupMode) {
    case 1:
        return true;
    case 2:
        return today.dayOfWeek() == Qt::Monday;
    case 3:
        return today.day() == 1;
    default:
        return false;
    }
}
