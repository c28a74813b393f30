#pragma once
#include "NumberEdit.h"

// A money input: four decimals, as money is kept, and the currency display format until the
// window sets its own (AmountFormat, PriceFormat).
class CurrencyEdit : public NumberEdit {
    Q_OBJECT
public:
    static constexpr int Decimals = 4;
    static inline const QString DefaultFormat = QStringLiteral("￥,0.00##;-￥,0.00##");

    explicit CurrencyEdit(QWidget *parent = nullptr);

protected:
    double normalized(double value) const override;
};
