#pragma once
// The owning-unit restriction of an operator in the session globals, as a login sets it, for as
// long as this object lives. Header-only, shared with benchmarks/.
#include "app/Globals.h"
#include "session/OfficeFilters.h"

namespace harness {

class OperatorUnits {
public:
    // `stored` as in OperList.F_carS: 'A','B'.
    explicit OperatorUnits(const QString &stored)
    {
        const OfficeFilters filters = OfficeFilters::fromStoredList(stored);
        Globals::CarOfficeFilter = filters.car;
        Globals::JoinedCarOfficeFilter = filters.joined;
        Globals::PlateOfficeFilter = filters.plate;
        Globals::OfficeParams = filters.params;
    }
    ~OperatorUnits()
    {
        Globals::CarOfficeFilter.clear();
        Globals::JoinedCarOfficeFilter.clear();
        Globals::PlateOfficeFilter.clear();
        Globals::OfficeParams.clear();
    }
    OperatorUnits(const OperatorUnits &) = delete;
    OperatorUnits &operator=(const OperatorUnits &) = delete;
};

} // namespace harness
