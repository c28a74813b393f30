#pragma once
#include "forms/DetailPages.h"

// The vehicle archive's record pages, one per record kind in kind order: the kind's archive
// item, table, layout, export title, design-time columns and delete question (asked with the
// record's date).
namespace RecordPages {
QList<DetailPage> all();
}
