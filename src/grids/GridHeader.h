#pragma once
#include "TitleGroups.h"

#include <QColor>
#include <QHeaderView>
#include <vector>

class GridModel;

// The grid's title row: title cells in the program's title colour, centred titles, sort markers,
// and two-level titles whose group cell spans the adjacent columns of the group. The header is
// twice as high while some title has a group.
class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    static QColor titleColor() { return QColor(255, 205, 155); }

    explicit GridHeader(QWidget *parent = nullptr);

    // The group cell over a column: its text and the first and last column under it.
    TitleGroups::Span groupSpan(int column) const;
    // Re-reads the titles (after the grid's columns changed).
    void titlesChanged();

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    const GridModel *gridModel() const;
    int lineHeight() const;

    std::vector<TitleGroups::Span> m_spans;
    bool m_twoLevels = false;
};
