#include "DateRangeCaption.h"

#include "DatePicker.h"
#include "app/DateRangeCaption.h"

QString DateRangeCaption(const DatePicker *from, const DatePicker *to, const QString &subject)
{
    return dateRangeCaption(from ? from->date() : QDate(), from && from->isChecked(),
                            to ? to->date() : QDate(), to && to->isChecked(), subject);
}
