#include "NumberFormats.h"

#include "app/Globals.h"

const QString &displayFormatOf(NumberFormatKind kind)
{
    switch (kind) {
    case NumberFormatKind::Quantity:
        return Globals::QuantityFormat;
    case NumberFormatKind::Price:
        return Globals::PriceFormat;
    case NumberFormatKind::Amount:
        break;
    }
    return Globals::AmountFormat;
}
