#include "UnitFilter.h"

#include "Globals.h"

SqlStatement unitFilter(UnitFilter which)
{
    const QString *text = &Globals::CarOfficeFilter;
    if (which == UnitFilter::JoinedCar)
        text = &Globals::JoinedCarOfficeFilter;
    else if (which == UnitFilter::Plate)
        text = &Globals::PlateOfficeFilter;
    if (text->isEmpty())
        return {};
    return SqlStatement(*text, Globals::OfficeParams);
}
