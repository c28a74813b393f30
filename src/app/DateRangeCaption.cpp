#include "DateRangeCaption.h"

QString dateRangeCaption(const QDate &from, bool fromChecked, const QDate &to, bool toChecked,
                         const QString &subject)
{
    const QString format = QStringLiteral("yyyy年MM月dd日");
    const QString fromText =
        fromChecked && from.isValid() ? from.toString(format) : QStringLiteral("启用系统");
    const QString toText =
        toChecked && to.isValid() ? to.toString(format) : QStringLiteral("记帐最后一天");
    const QString what = subject.trimmed().isEmpty() ? QStringLiteral("统计") : subject;
    return what + QStringLiteral("日期：自 ") + fromText + QStringLiteral(" 至 ") + toText;
}
