#include "FuelFigures.h"

#include "widgets/NumberEdit.h"

#include <QWidget>

double FuelFigures::distance(double beginMileage, double endMileage)
{
    return endMileage - beginMileage;
}

std::optional<double> FuelFigures::per100Km(double quantity, double distance)
{
    if (distance <= 0)
        return std::nullopt;
    return quantity / distance * 100;
}

std::optional<double> FuelFigures::perKm(double amount, double distance)
{
    if (distance <= 0)
        return std::nullopt;
    return amount / distance;
}

double FuelFigures::amount(double quantity, double unitPrice)
{
    return quantity * unitPrice;
}

void connectFuelFigures(QWidget *editor)
{
    const auto in = [editor](const char *name) {
        return editor->findChild<NumberEdit *>(QString::fromLatin1(name));
    };
    NumberEdit *begin = in("rceBeginLC");
    NumberEdit *end = in("rceEndLC");
    NumberEdit *distance = in("rceShijiLC");
    NumberEdit *quantity = in("rceYLnum");
    NumberEdit *price = in("ceDJprice");
    NumberEdit *amount = in("ceTotalPrice");
    NumberEdit *per100 = in("rceBGLyouhao");
    NumberEdit *perKm = in("ceMGLprice");
    if (!begin || !end || !distance || !quantity || !price || !amount || !per100 || !perKm)
        return;
    const auto setIf = [](NumberEdit *target, std::optional<double> value) {
        if (value)
            target->setValue(*value);
    };
    // 1. mileage -> distance
    const auto mileage = [=] {
        distance->setValue(FuelFigures::distance(begin->value(), end->value()));
    };
    QObject::connect(begin, &NumberEdit::valueChanged, editor, mileage);
    QObject::connect(end, &NumberEdit::valueChanged, editor, mileage);
    // 2. distance -> per 100 km, then per km
    QObject::connect(distance, &NumberEdit::valueChanged, editor, [=] {
        setIf(per100, FuelFigures::per100Km(quantity->value(), distance->value()));
        setIf(perKm, FuelFigures::perKm(amount->value(), distance->value()));
    });
    // 3. quantity -> per 100 km, then the amount
    QObject::connect(quantity, &NumberEdit::valueChanged, editor, [=] {
        setIf(per100, FuelFigures::per100Km(quantity->value(), distance->value()));
        amount->setValue(FuelFigures::amount(quantity->value(), price->value()));
    });
    // 4. unit price -> the amount
    QObject::connect(price, &NumberEdit::valueChanged, editor, [=] {
        amount->setValue(FuelFigures::amount(quantity->value(), price->value()));
    });
    // 5. amount -> per km
    QObject::connect(amount, &NumberEdit::valueChanged, editor,
                     [=] { setIf(perKm, FuelFigures::perKm(amount->value(), distance->value())); });
}
