#include "ReportPages.h"

#include "GridTable.h"
#include "PrintFonts.h"
#include "ReportCards.h"
#include "ReportTables.h"
#include "db/DataSet.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

namespace {
constexpr double FooterHeight = PrintPages::mm(6);
const QString PageNumber = QStringLiteral("第 %1 页 共 %2 页");
const QColor TitleColour(230, 230, 230);

// A part with nothing to show (the space between a table and the end of the body) takes no room.
bool showsNothing(const QString &html, const QTextDocument &document)
{
    static const QRegularExpression objects(QStringLiteral("<(img|hr|table)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    return document.toPlainText().trimmed().isEmpty() && !objects.match(html).hasMatch();
}
} // namespace

struct ReportPages::Block {
    ReportTemplate::Part::Kind kind;
    QString html;
    std::unique_ptr<QTextDocument> document;
    bool paginated = false; // HTML taller than a page: on pages of its own
    std::unique_ptr<GridTable> table;
    std::unique_ptr<ReportCards> cards;
};

struct ReportPages::Piece {
    int page;
    double y;
    int block;
    int from = 0; // rows of a table or cards
    int to = 0;
    bool footer = false; // a table's totals follow the rows
    int htmlPage = -1;   // the page of a paginated HTML part
};

ReportPages::ReportPages(std::vector<ReportTemplate::Part> parts, ReportData data)
    : m_layoutDevice(1, 1, QImage::Format_RGB32), m_data(std::move(data))
{
    const int dotsPerMeter = qRound(DotsPerInch / 0.0254);
    m_layoutDevice.setDotsPerMeterX(dotsPerMeter);
    m_layoutDevice.setDotsPerMeterY(dotsPerMeter);
    m_shownColumns = ReportTables::shownColumns(m_data);

    bool landscape = false;
    for (ReportTemplate::Part &part : parts) {
        auto block = std::make_unique<Block>();
        block->kind = part.kind;
        if (part.kind == ReportTemplate::Part::Html) {
            landscape |= wantsLandscape(part.html);
            block->document = std::make_unique<QTextDocument>();
            QTextDocument &document = *block->document;
            document.documentLayout()->setPaintDevice(&m_layoutDevice);
            QFont font = PrintFonts::font(9);
            font.setPointSizeF(9); // resolved on the 600 dpi layout device
            document.setDefaultFont(font);
            document.setDocumentMargin(0);
            document.setHtml(part.html);
            if (showsNothing(part.html, document))
                continue;
            block->html = std::move(part.html);
        } else if (!m_data.data || m_shownColumns.empty()) {
            continue;
        }
        m_blocks.push_back(std::move(block));
    }
    if (landscape)
        setOrientation(QPageLayout::Landscape);
}

ReportPages::ReportPages(const QString &html)
    : ReportPages({{ReportTemplate::Part::Html, html}}, ReportData{})
{
}

ReportPages::~ReportPages() = default;

bool ReportPages::wantsLandscape(const QString &html)
{
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name\\s*=\\s*\"orientation\"\\s+content\\s*=\\s*\"landscape\""),
        QRegularExpression::CaseInsensitiveOption);
    return meta.match(html).hasMatch();
}

QString ReportPages::plainText() const
{
    QString text;
    for (const auto &block : m_blocks) {
        if (block->document)
            text += block->document->toPlainText() + u'\n';
    }
    return text;
}

double ReportPages::bodyHeight() const
{
    return std::max(contentSize().height() - FooterHeight, mm(20));
}

void ReportPages::layout()
{
    m_laidOut = true;
    m_pieces.clear();
    const double width = contentSize().width();
    const double height = bodyHeight();
    int page = 0;
    double y = 0;
    auto newPage = [&] {
        ++page;
        y = 0;
    };

    for (int index = 0; index < int(m_blocks.size()); ++index) {
        Block &block = *m_blocks[std::size_t(index)];
        switch (block.kind) {
        case ReportTemplate::Part::Html: {
            QTextDocument &document = *block.document;
            document.setPageSize(QSizeF(width, -1));
            const double needed = document.size().height();
            block.paginated = false;
            if (y + needed <= height) {
                m_pieces.push_back({page, y, index});
                y += needed;
            } else if (needed <= height) {
                newPage();
                m_pieces.push_back({page, y, index});
                y = needed;
            } else {
                if (y > 0)
                    newPage();
                document.setPageSize(QSizeF(width, height));
                block.paginated = true;
                const int pages = document.pageCount();
                for (int k = 0; k < pages; ++k)
                    m_pieces.push_back({page + k, 0, index, 0, 0, false, k});
                page += pages - 1;
                y = height; // what follows starts on a new page
            }
            break;
        }
        case ReportTemplate::Part::Table: {
            GridTable::Options options;
            options.fitMode = GridTable::FitStretchRows;
            options.titleColour = TitleColour;
            options.footerColour = TitleColour;
            for (const QString &total : ReportTables::totals(m_shownColumns, *m_data.data))
                options.footerTexts << total;
            options.footerTextsGiven = true;
            block.table = std::make_unique<GridTable>(m_shownColumns, *m_data.data, width, options);
            GridTable &table = *block.table;
            const double titles = table.titlesHeight();
            table.limitRowHeight(height - titles);
            const int rows = table.rowCount();
            const double first = titles + (rows > 0 ? table.rowHeight(0) : 0);
            if (y > 0 && y + first > height)
                newPage();
            int row = 0;
            do {
                int fit = table.rowsFitting(row, height - y - titles);
                if (fit == 0 && row < rows) {
                    if (y > 0) {
                        newPage();
                        continue;
                    }
                    fit = 1;
                }
                m_pieces.push_back({page, y, index, row, row + fit});
                y += titles;
                for (int r = row; r < row + fit; ++r)
                    y += table.rowHeight(r);
                row += fit;
                if (row < rows)
                    newPage();
            } while (row < rows);
            if (table.hasFooter()) {
                if (y + table.footerHeight() > height) {
                    newPage();
                    m_pieces.push_back({page, y, index, rows, rows});
                    y += titles;
                }
                m_pieces.back().footer = true;
                y += table.footerHeight();
            }
            break;
        }
        case ReportTemplate::Part::Cards: {
            block.cards = std::make_unique<ReportCards>(m_shownColumns, *m_data.data, width);
            const ReportCards &cards = *block.cards;
            for (int row = 0; row < cards.rowCount(); ++row) {
                const double needed = std::min(cards.height(row), height);
                if (y > 0 && y + needed > height)
                    newPage();
                Piece *last = m_pieces.empty() ? nullptr : &m_pieces.back();
                if (last && last->block == index && last->page == page && last->to == row)
                    last->to = row + 1;
                else
                    m_pieces.push_back({page, y, index, row, row + 1});
                y += needed + ReportCards::gap();
            }
            break;
        }
        }
    }

    m_firstPiece.assign(std::size_t(page + 2), int(m_pieces.size()));
    for (int i = int(m_pieces.size()) - 1; i >= 0; --i)
        m_firstPiece[std::size_t(m_pieces[std::size_t(i)].page)] = i;
    for (int p = page; p >= 0; --p)
        m_firstPiece[std::size_t(p)] =
            std::min(m_firstPiece[std::size_t(p)], m_firstPiece[std::size_t(p) + 1]);
}

int ReportPages::pageCount()
{
    if (!m_laidOut)
        layout();
    return int(m_firstPiece.size()) - 1;
}

void ReportPages::paintPage(QPainter &painter, int index)
{
    const int pages = pageCount();
    if (index < 0 || index >= pages)
        return;
    const QSizeF content = contentSize();
    const double height = bodyHeight();
    for (int i = m_firstPiece[std::size_t(index)]; i < m_firstPiece[std::size_t(index) + 1]; ++i) {
        const Piece &piece = m_pieces[std::size_t(i)];
        if (piece.page != index)
            continue;
        const Block &block = *m_blocks[std::size_t(piece.block)];
        painter.save();
        switch (block.kind) {
        case ReportTemplate::Part::Html: {
            QAbstractTextDocumentLayout::PaintContext context;
            context.palette.setColor(QPalette::Text, Qt::black);
            painter.translate(0, piece.y);
            if (block.paginated) {
                painter.translate(0, -piece.htmlPage * height);
                context.clip = QRectF(0, piece.htmlPage * height, content.width(), height);
            } else {
                context.clip = QRectF(QPointF(0, 0), block.document->size());
            }
            painter.setClipRect(context.clip);
            block.document->documentLayout()->draw(&painter, context);
            break;
        }
        case ReportTemplate::Part::Table: {
            double y = block.table->paintTitles(painter, piece.y);
            y = block.table->paintRows(painter, y, piece.from, piece.to);
            if (piece.footer)
                block.table->paintFooter(painter, y);
            break;
        }
        case ReportTemplate::Part::Cards: {
            double y = piece.y;
            for (int row = piece.from; row < piece.to; ++row)
                y = block.cards->paint(painter, y, row) + ReportCards::gap();
            break;
        }
        }
        painter.restore();
    }

    painter.save();
    const QFont font = PrintFonts::font(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double line = QFontMetricsF(font).height();
    painter.drawText(QRectF(0, content.height() - line, content.width(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, PageNumber.arg(index + 1).arg(pages));
    painter.restore();
}
