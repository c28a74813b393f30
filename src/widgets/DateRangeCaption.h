#pragma once
#include <QString>

class DatePicker;

// The period caption of a window's from/to pickers (see app/DateRangeCaption.h): an unticked or
// missing picker reads "启用系统" / "记帐最后一天".
QString DateRangeCaption(const DatePicker *from, const DatePicker *to, const QString &subject);
