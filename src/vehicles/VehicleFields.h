#pragma once
#include "forms/EditorFields.h"

// The vehicle editor's field table: every field of T_cars it reads and writes, in the order of
// its statements, with the control that shows it.
namespace VehicleFields {
inline const QString Table = QStringLiteral("T_cars");
const QList<EditorField> &all();
// The eleven custom inputs (字符项一 .. 日期项三) in the order of their KeyValues captions.
const QStringList &customControls();
// The KeyValues row (1..11) whose caption titles the column of a custom field (F_ZF1 .. F_RQ3,
// matched by "zf1" .. "rq3" in the name, in any case); 0 for any other field.
int customCaptionRow(const QString &field);
} // namespace VehicleFields
