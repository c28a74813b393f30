#include "ReportPages.h"

#include "PrintFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

namespace {
constexpr double FooterHeight = PrintPages::mm(6);
const QString PageNumber = QStringLiteral("第 %1 页 共 %2 页");
} // namespace

ReportPages::ReportPages(const QString &html) : m_layoutDevice(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(DotsPerInch / 0.0254);
    m_layoutDevice.setDotsPerMeterX(dotsPerMeter);
    m_layoutDevice.setDotsPerMeterY(dotsPerMeter);
    m_document.documentLayout()->setPaintDevice(&m_layoutDevice);
    QFont font = PrintFonts::font(10);
    font.setPointSizeF(10); // the document resolves point sizes on its 600 dpi device
    m_document.setDefaultFont(font);
    m_document.setDocumentMargin(0);
    m_document.setHtml(html);
    if (wantsLandscape(html))
        setOrientation(QPageLayout::Landscape);
}

bool ReportPages::wantsLandscape(const QString &html)
{
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name\\s*=\\s*\"orientation\"\\s+content\\s*=\\s*\"landscape\""),
        QRegularExpression::CaseInsensitiveOption);
    return meta.match(html).hasMatch();
}

double ReportPages::bodyHeight() const
{
    return std::max(contentSize().height() - FooterHeight, mm(20));
}

void ReportPages::layout()
{
    m_laidOut = true;
    m_document.setPageSize(QSizeF(contentSize().width(), bodyHeight()));
}

int ReportPages::pageCount()
{
    if (!m_laidOut)
        layout();
    return std::max(1, m_document.pageCount());
}

void ReportPages::paintPage(QPainter &painter, int index)
{
    const int pages = pageCount();
    if (index < 0 || index >= pages)
        return;
    const double height = bodyHeight();
    const QSizeF content = contentSize();
    painter.save();
    painter.setClipRect(QRectF(0, 0, content.width(), height));
    painter.translate(0, -index * height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, index * height, content.width(), height);
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.save();
    const QFont font = PrintFonts::font(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double line = QFontMetricsF(font).height();
    painter.drawText(QRectF(0, content.height() - line, content.width(), line),
                     Qt::AlignHCenter | Qt::AlignVCenter, PageNumber.arg(index + 1).arg(pages));
    painter.restore();
}
