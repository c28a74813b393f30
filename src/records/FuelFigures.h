#pragma once
#include <optional>

// The refuelling editor's derived figures. Each rule runs when its input changes, typed or set by
// another rule, so they cascade through the inputs; a distance of 0 or less derives nothing per
// distance, so no division by zero happens and the previous figures stay.
namespace FuelFigures {
// Begin or end mileage changed: the distance driven (may be 0 or negative).
double distance(double beginMileage, double endMileage);
// Fuel per 100 km, or nothing for a distance of 0 or less.
std::optional<double> per100Km(double quantity, double distance);
// Cost per km, or nothing for a distance of 0 or less.
std::optional<double> perKm(double amount, double distance);
// Quantity or unit price changed: the amount paid.
double amount(double quantity, double unitPrice);
} // namespace FuelFigures

class QWidget;

// Wires the rules to the fuel editor's inputs (rceBeginLC, rceEndLC, rceShijiLC, rceYLnum,
// ceDJprice, ceTotalPrice, rceBGLyouhao, ceMGLprice), found in `editor` by name.
void connectFuelFigures(QWidget *editor);
