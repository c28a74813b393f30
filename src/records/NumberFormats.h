#pragma once
#include "db/RecordKinds.h"

#include <QString>

// The display format of the session that a format rule names: AmountFormat, QuantityFormat or
// PriceFormat, built at login.
const QString &displayFormatOf(NumberFormatKind kind);
