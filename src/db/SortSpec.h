#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// One key of a client-side sort: a field and its direction.
struct SortKey {
    QString field;
    bool descending = false;
    bool operator==(const SortKey &) const = default;
};

// Parses and writes sort texts of the form "F_a ASC,F_b DESC," (a trailing comma is allowed,
// a key without a direction is ascending, an empty text means no sort).
namespace SortSpec {
std::vector<SortKey> parse(const QString &text);
QString toText(const std::vector<SortKey> &keys);
} // namespace SortSpec
