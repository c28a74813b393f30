#pragma once
#include <QVariantMap>

// Values bound to the named parameters of a statement, keyed by the name without its colon
// (":EmpName" is bound from params["EmpName"]). Lookup ignores case, as the dialect does.
using SqlParams = QVariantMap;
