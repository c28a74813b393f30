#pragma once
#include "PrintPages.h"
#include "ReportData.h"
#include "ReportTemplate.h"

#include <QImage>
#include <memory>
#include <vector>

class QTextDocument;

// An expanded report template as pages: its HTML parts laid out by QTextDocument, its tables
// (GridTable, titles repeated on every page, totals after the last row) and cards (ReportCards)
// laid out natively, one after the other down the pages; every page gets "第 n 页 共 m 页" at its
// foot. A template asks for landscape paper with <meta name="orientation" content="landscape">.
class ReportPages : public PrintPages {
public:
    ReportPages(std::vector<ReportTemplate::Part> parts, ReportData data);
    explicit ReportPages(const QString &html); // HTML alone
    ~ReportPages() override;

    int pageCount() override;
    void paintPage(QPainter &painter, int index) override;

    // The text of the HTML parts (tests, the designer).
    QString plainText() const;

    static bool wantsLandscape(const QString &html);

protected:
    void relayout() override { m_laidOut = false; }

private:
    struct Block;
    struct Piece;
    void layout();
    double bodyHeight() const;

    QImage m_layoutDevice; // gives the documents the print resolution
    ReportData m_data;
    std::vector<GridColumn> m_shownColumns;
    std::vector<std::unique_ptr<Block>> m_blocks;
    std::vector<Piece> m_pieces;
    std::vector<int> m_firstPiece; // per page, then the piece count
    bool m_laidOut = false;
};
