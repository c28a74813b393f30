#pragma once
#include "db/SqlStatement.h"

#include <QString>

// The statements on t_code. The type key and every name are bound, never part of the text.
namespace CodeStatements {
// Every row of a type in table order (the dictionary window).
SqlStatement codesOfType(const QString &key);
// The editors' pick lists: each non-blank name of a type once.
SqlStatement pickList(const QString &key);
// The code picker on opening: the non-blank names of a type by name.
SqlStatement pickerList(const QString &key);
// The code picker after its name box changed: the type's rows in table order, blank names
// included, limited to names containing the trimmed text when that is not empty. The text is
// matched as typed: "%" and "_" in it are no wildcards.
SqlStatement pickerFilter(const QString &key, const QString &nameText);
// The owning units offered by the unit multi-pick, in the order they were entered.
SqlStatement units();

SqlStatement insertCode(const QString &key, const QString &name);
SqlStatement updateCode(qint64 id, const QString &key, const QString &name);
SqlStatement deleteCode(qint64 id);
} // namespace CodeStatements
