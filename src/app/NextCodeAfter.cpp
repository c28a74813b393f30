#include "NextCodeAfter.h"

#include <algorithm>

std::optional<QString> nextCodeAfter(const QString &currentMax, int digits, QString *error)
{
    auto fail = [error](const QString &message) -> std::optional<QString> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    // With no counting digits every call would return the same code.
    if (digits < 1)
        return fail(QStringLiteral("编号的位数必须大于零，无法自动生成新编号！"));

    const qsizetype tailLength = std::min<qsizetype>(digits, currentMax.size());
    const QString head = currentMax.left(currentMax.size() - tailLength);
    QString tail = currentMax.isEmpty() ? QString(digits, u'0') : currentMax.right(tailLength);
    for (const QChar c : tail) {
        if (c < u'0' || c > u'9')
            return fail(
                QStringLiteral("编号“%1”的末尾不是数字，无法自动生成新编号！").arg(currentMax));
    }
    // Decimal increment on the text, so a long tail cannot overflow; the carry out of the
    // leftmost digit is dropped, which is the wrap from 9…9 to 0…0.
    for (qsizetype i = tail.size() - 1; i >= 0; --i) {
        if (tail[i] != u'9') {
            tail[i] = QChar(tail[i].unicode() + 1);
            break;
        }
        tail[i] = u'0';
    }
    if (error)
        error->clear();
    return head + tail;
}
