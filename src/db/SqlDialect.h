#pragma once
#include <QString>

// Rewrites the Jet forms that statement texts use into the engine's own:
//   #yyyy-mm-dd#   -> 'yyyy-mm-dd'   (month and day padded to two digits)
//   true / false   -> 1 / 0
// and marks a column tested against the vehicles' sub-select as no index key:
//   F_CPcode in (select F_code from T_cars ...   -> +F_CPcode in (select F_code from T_cars ...
// The engine guesses that a sub-select gives a few dozen rows, so it would walk the plate index
// once per vehicle in service (thousands) and read every record of each; the record lists and
// statistics want their period's date index instead. The unary plus keeps value and collation.
// String literals, quoted and bracketed identifiers, parameter names and comments are copied
// untouched, so a value quoted into a statement is never rewritten.
namespace SqlDialect {
QString normalize(const QString &sql);

// The one place where a value must become statement text: a literal with single quotes doubled.
QString quoted(const QString &value);
} // namespace SqlDialect
