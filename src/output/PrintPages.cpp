#include "PrintPages.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

PrintPages::PrintPages()
    : m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
               QPageLayout::Millimeter)
{
}

void PrintPages::setPageLayout(const QPageLayout &layout)
{
    m_layout = layout;
    relayout();
}

void PrintPages::setOrientation(QPageLayout::Orientation orientation)
{
    if (m_layout.orientation() == orientation)
        return;
    m_layout.setOrientation(orientation);
    relayout();
}

QSizeF PrintPages::contentSize() const
{
    const QRectF rect = m_layout.paintRect(QPageLayout::Millimeter);
    return {mm(rect.width()), mm(rect.height())};
}

bool renderPages(PrintPages &pages, QPagedPaintDevice &device, int fromPage, int toPage)
{
    device.setPageLayout(pages.pageLayout());
    const int count = pages.pageCount();
    const int first = fromPage > 0 ? std::min(fromPage, count) : 1;
    const int last = toPage > 0 ? std::min(toPage, count) : count;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scaleX = device.logicalDpiX() / PrintPages::DotsPerInch;
    const double scaleY = device.logicalDpiY() / PrintPages::DotsPerInch;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage())
            return false;
        painter.save();
        painter.scale(scaleX, scaleY);
        pages.paintPage(painter, page - 1);
        painter.restore();
    }
    return painter.end();
}

bool writePdf(PrintPages &pages, const QString &path, const QString &title)
{
    QPdfWriter writer(path);
    writer.setResolution(int(PrintPages::DotsPerInch));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("OrvCARs"));
    return renderPages(pages, writer);
}
