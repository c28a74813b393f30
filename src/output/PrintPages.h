#pragma once
#include <QPageLayout>
#include <QSizeF>
#include <QString>

class QPainter;
class QPagedPaintDevice;

// A printable document made of pages: grid printouts and reports. Pages are laid out and painted
// in dots of a fixed resolution (DotsPerInch), measured from the top-left corner of the page's
// printable area (inside the margins), so that the preview, the printer and a PDF file all show
// the same pagination. Painting is on demand, page by page: a document of thousands of pages
// costs only the pages looked at.
class PrintPages {
public:
    static constexpr double DotsPerInch = 600;
    static constexpr double mm(double millimetres) { return millimetres * DotsPerInch / 25.4; }
    static constexpr double pt(double points) { return points * DotsPerInch / 72; }

    PrintPages(); // A4 portrait, margins 10 mm
    virtual ~PrintPages() = default;
    PrintPages(const PrintPages &) = delete;
    PrintPages &operator=(const PrintPages &) = delete;

    QPageLayout pageLayout() const { return m_layout; }
    // A new paper, orientation or margins: the pages are laid out again.
    void setPageLayout(const QPageLayout &layout);
    void setOrientation(QPageLayout::Orientation orientation);
    // The printable area of a page in dots.
    QSizeF contentSize() const;

    virtual int pageCount() = 0;
    // Paints page `index` (from 0); the painter's units are dots from the printable area's
    // top-left corner.
    virtual void paintPage(QPainter &painter, int index) = 0;

protected:
    // Called when the page layout changes: drop the pagination.
    virtual void relayout() {}

private:
    QPageLayout m_layout;
};

// Paints pages from..to (from 1; 0 for both means all) onto a printer or a PDF writer, with its
// page layout set from the document.
bool renderPages(PrintPages &pages, QPagedPaintDevice &device, int fromPage = 0, int toPage = 0);
bool writePdf(PrintPages &pages, const QString &path, const QString &title);
