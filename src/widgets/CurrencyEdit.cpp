#include "CurrencyEdit.h"

#include "NumberText.h"

CurrencyEdit::CurrencyEdit(QWidget *parent) : NumberEdit(parent)
{
    setDecimals(Decimals);
    setDisplayFormat(DefaultFormat);
}

double CurrencyEdit::normalized(double value) const
{
    return NumberText::round(value, Decimals);
}
