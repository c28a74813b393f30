#pragma once
#include "VehicleCriteria.h"

#include "db/SqlStatement.h"

#include <span>

// The statement of the vehicle query dialog: every vehicle of T_cars that meets the criteria.
// Typed values are bound, never statement text; "%" and "_" in them match only themselves.
namespace VehicleQuery {
inline const QString StartText = QStringLiteral("select * from T_cars where (1=1) ");

// One condition on a typed text, in the order the conditions are appended.
struct TextCondition {
    QString input;  // objectName of the input
    QString column; // the head of the condition, "and F_code"
    QString param;
    SqlStatement::Like match;
};
std::span<const TextCondition> textConditions();

// The start text, the conditions of the texts that are not blank (the minimum purchase amount
// between 座位 and 驾驶员, when not 0), the status, then the date bounds. No order and no
// owning-unit restriction: the vehicle archive runs it as it is.
SqlStatement build(const VehicleCriteria &criteria);
} // namespace VehicleQuery
