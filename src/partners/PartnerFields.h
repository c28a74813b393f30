#pragma once
#include "forms/EditorFields.h"

// The partner editor's field table, the same for every kind: the fields of the unit tables in
// the order of their statements, with the controls that show them.
namespace PartnerFields {
const QList<EditorField> &all();
} // namespace PartnerFields
