#pragma once
#include <QString>

// Rewrites the Jet forms that statement texts use into the engine's own:
//   #yyyy-mm-dd#   -> 'yyyy-mm-dd'   (month and day padded to two digits)
//   true / false   -> 1 / 0
// String literals, quoted and bracketed identifiers, parameter names and comments are copied
// untouched, so a value quoted into a statement is never rewritten.
namespace SqlDialect {
QString normalize(const QString &sql);

// The one place where a value must become statement text: a literal with single quotes doubled.
QString quoted(const QString &value);
} // namespace SqlDialect
