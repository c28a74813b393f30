#pragma once
#include <QDialog>
#include <functional>

class PrintPages;
class QAction;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;

// The print preview of grid printouts and reports: one page at a time, painted when it is shown,
// with page navigation, zoom (fit width, whole page, fixed steps), portrait or landscape, print
// and PDF export. Controls carry object names so that tests can drive them.
class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    PrintPreviewDialog(PrintPages &pages, const QString &documentName, QWidget *parent = nullptr);

    // Shows the preview modally. While an interceptor is installed (tests, screenshots) it gets
    // the pages instead and nothing is shown.
    static void preview(PrintPages &pages, const QString &documentName, QWidget *parent = nullptr);
    using Interceptor = std::function<void(PrintPages &pages, const QString &documentName)>;
    // Returns the previous interceptor; an empty function shows previews again.
    static Interceptor setInterceptor(Interceptor interceptor);

    int currentPage() const { return m_page; } // from 1
    int pageCount() const;
    void showPage(int page);
    // Zoom as a factor of the paper's real size on screen; 0 fits the width, -1 the whole page.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

    // Asks for a file name through the platform and writes the pages as PDF; false when
    // cancelled or failed (failures are shown).
    bool exportPdf();
    bool writePdfTo(const QString &path);
    void print();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render();
    void updateControls();
    double effectiveZoom() const;
    void setOrientation(bool landscape);

    PrintPages &m_pages;
    QString m_documentName;
    int m_page = 1;
    double m_zoom = 0;

    QScrollArea *m_scroll = nullptr;
    QLabel *m_view = nullptr;
    QSpinBox *m_pageSpin = nullptr;
    QLabel *m_pageTotal = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QAction *m_first = nullptr, *m_prior = nullptr, *m_next = nullptr, *m_last = nullptr;
    QAction *m_portrait = nullptr, *m_landscape = nullptr;
};
