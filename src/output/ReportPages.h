#pragma once
#include "PrintPages.h"

#include <QImage>
#include <QTextDocument>

// A report's HTML as pages: QTextDocument lays it out on the printable area (table headers in
// <thead> repeat on every page) and each page gets "第 n 页 共 m 页" at its foot. A template
// asks for landscape paper with <meta name="orientation" content="landscape">.
class ReportPages : public PrintPages {
public:
    explicit ReportPages(const QString &html);

    QTextDocument &document() { return m_document; }
    int pageCount() override;
    void paintPage(QPainter &painter, int index) override;

    // Whether the HTML asks for landscape paper.
    static bool wantsLandscape(const QString &html);

protected:
    void relayout() override { m_laidOut = false; }

private:
    void layout();
    double bodyHeight() const;

    QImage m_layoutDevice; // gives the document the print resolution
    QTextDocument m_document;
    bool m_laidOut = false;
};
