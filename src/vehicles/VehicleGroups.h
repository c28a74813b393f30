#pragma once
#include "forms/GroupPanel.h"

// The five ways of grouping vehicles, shared by the vehicle archive and the vehicle picker: the
// distinct values of vehicles in service, without the operator's unit restriction.
namespace VehicleGroups {
const QList<GroupType> &all();
}
