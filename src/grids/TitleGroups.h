#pragma once
#include "GridColumn.h"

#include <QString>
#include <vector>

// Two-level titles: "维修|天数" is the group "维修" over the column's own title "天数". Adjacent
// shown columns of the same group share one group cell (hidden columns between them do not break
// the group, they are not on screen).
namespace TitleGroups {

struct Parts {
    QString group;   // empty for a one-level title
    QString caption; // what stands in the column's own cell
};
Parts split(const QString &title);

struct Span {
    QString group;
    int first = -1; // first and last column (indices) under the group cell
    int last = -1;
};
// One entry per column. A column without a group, or a hidden one, spans only itself.
std::vector<Span> spans(const std::vector<GridColumn> &columns);
bool hasGroups(const std::vector<GridColumn> &columns);

} // namespace TitleGroups
