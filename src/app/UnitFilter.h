#pragma once
#include "db/SqlStatement.h"

// The logged-in operator's owning-unit restriction, as a fragment to append to a statement: the
// filter text of the session globals together with the unit names it binds. Appending the
// fragment is the only way windows add a restriction, so its values can never be left behind.
//
//   Car        "and (F_GSoffice in (...)) "                 on T_cars
//   JoinedCar  "and (c.F_GSoffice in (...)) "               on T_cars joined as c
//   Plate      "and (F_CPcode in (select F_code ...)) "     on a record table
//
// An operator without units gives an empty fragment.
enum class UnitFilter { Car, JoinedCar, Plate };

SqlStatement unitFilter(UnitFilter which);
