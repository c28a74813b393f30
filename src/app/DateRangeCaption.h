#pragma once
#include <QDate>
#include <QString>

// The period caption of statistics and list reports ("memoDate"):
// subject + "日期：自 " + from + " 至 " + to, the dates as "yyyy年MM月dd日". An unticked (or unset)
// from-date reads "启用系统" (since the system was started), an unticked to-date "记帐最后一天"
// (the last booked day); a blank subject reads "统计".
QString dateRangeCaption(const QDate &from, bool fromChecked, const QDate &to, bool toChecked,
                         const QString &subject);
