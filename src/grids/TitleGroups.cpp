#include "TitleGroups.h"

TitleGroups::Parts TitleGroups::split(const QString &title)
{
    const qsizetype bar = title.indexOf(u'|');
    if (bar < 0)
        return {QString(), title};
    return {title.left(bar), title.mid(bar + 1)};
}

std::vector<TitleGroups::Span> TitleGroups::spans(const std::vector<GridColumn> &columns)
{
    const int count = int(columns.size());
    std::vector<Span> result(static_cast<std::size_t>(count));
    int runStart = -1; // first shown column of the group run being collected
    QString runGroup;
    auto closeRun = [&](int lastShown) {
        if (runStart < 0)
            return;
        for (int i = runStart; i <= lastShown; ++i)
            if (columns[std::size_t(i)].visible)
                result[std::size_t(i)] = {runGroup, runStart, lastShown};
        runStart = -1;
    };
    int lastShown = -1;
    for (int i = 0; i < count; ++i) {
        result[std::size_t(i)] = {split(columns[std::size_t(i)].title).group, i, i};
        if (!columns[std::size_t(i)].visible)
            continue;
        const QString group = result[std::size_t(i)].group;
        if (runStart >= 0 && (group.isEmpty() || group != runGroup))
            closeRun(lastShown);
        if (!group.isEmpty() && runStart < 0) {
            runStart = i;
            runGroup = group;
        }
        lastShown = i;
    }
    closeRun(lastShown);
    return result;
}

bool TitleGroups::hasGroups(const std::vector<GridColumn> &columns)
{
    for (const GridColumn &c : columns)
        if (c.title.contains(u'|'))
            return true;
    return false;
}
