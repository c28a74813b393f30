#pragma once
#include <QString>
#include <optional>

// The code that follows `currentMax` in a numbered series whose last `digits` characters count
// up: the head before them is kept, the tail is incremented with its leading zeros kept, and a
// tail of all nines wraps to all zeros. An empty maximum (no rows yet) starts at 0…01.
// E0012 → E0013, "" → 0001, A9999 → A0000, 12 → 13 (with 4 digits).
//
// A tail that is not made of the digits 0-9, or a number of digits below 1, gives no code and sets
// *error (when given) to the message for the operator.
std::optional<QString> nextCodeAfter(const QString &currentMax, int digits,
                                     QString *error = nullptr);
