#pragma once
#include "forms/EditorFields.h"

// The employee editor's field table: the fields of T_employee in the order of its statements,
// with the controls that show them (the photo's bytes and file name share the slot Image1).
namespace EmployeeFields {
const QList<EditorField> &all();
// The inputs in tab order.
const QStringList &tabOrder();
} // namespace EmployeeFields
