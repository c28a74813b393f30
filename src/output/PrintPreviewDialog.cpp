#include "PrintPreviewDialog.h"

#include "PrintPages.h"
#include "app/Messages.h"
#include "app/Platform.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

PrintPreviewDialog::Interceptor &interceptor()
{
    static PrintPreviewDialog::Interceptor current;
    return current;
}

const QString PdfCaption = QStringLiteral("导出PDF");
const QString PdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
const QString PdfFailed = QStringLiteral("PDF 文件写入失败：");

struct ZoomStep {
    const char *text;
    double zoom;
};
const ZoomStep ZoomSteps[] = {{"适合页宽", 0}, {"整页", -1},   {"50%", 0.5},  {"75%", 0.75},
                              {"100%", 1.0},   {"125%", 1.25}, {"150%", 1.5}, {"200%", 2.0}};

QAction *toolAction(QToolBar *bar, const QString &name, const QString &text,
                    const QKeySequence &key = {})
{
    QAction *action = bar->addAction(text);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

} // namespace

PrintPreviewDialog::PrintPreviewDialog(PrintPages &pages, const QString &documentName,
                                       QWidget *parent)
    : QDialog(parent), m_pages(pages), m_documentName(documentName)
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(documentName.isEmpty() ? QStringLiteral("打印预览")
                                          : QStringLiteral("打印预览 - ") + documentName);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 700);

    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(
        toolAction(bar, QStringLiteral("actPrint"), QStringLiteral("打印"), QKeySequence::Print),
        &QAction::triggered, this, &PrintPreviewDialog::print);
    connect(toolAction(bar, QStringLiteral("actPdf"), PdfCaption), &QAction::triggered, this,
            &PrintPreviewDialog::exportPdf);
    bar->addSeparator();
    m_first = toolAction(bar, QStringLiteral("actFirst"), QStringLiteral("首页"));
    m_prior = toolAction(bar, QStringLiteral("actPrior"), QStringLiteral("上页"));
    m_pageSpin = new QSpinBox(bar);
    m_pageSpin->setObjectName(QStringLiteral("pageSpin"));
    m_pageSpin->setKeyboardTracking(false);
    bar->addWidget(m_pageSpin);
    m_pageTotal = new QLabel(bar);
    bar->addWidget(m_pageTotal);
    m_next = toolAction(bar, QStringLiteral("actNext"), QStringLiteral("下页"));
    m_last = toolAction(bar, QStringLiteral("actLast"), QStringLiteral("末页"));
    connect(m_first, &QAction::triggered, this, [this] { showPage(1); });
    connect(m_prior, &QAction::triggered, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QAction::triggered, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QAction::triggered, this, [this] { showPage(pageCount()); });
    connect(m_pageSpin, &QSpinBox::valueChanged, this, [this](int page) { showPage(page); });
    bar->addSeparator();

    m_zoomBox = new QComboBox(bar);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    for (const ZoomStep &step : ZoomSteps)
        m_zoomBox->addItem(QString::fromUtf8(step.text), step.zoom);
    bar->addWidget(m_zoomBox);
    connect(m_zoomBox, &QComboBox::activated, this,
            [this](int index) { setZoom(m_zoomBox->itemData(index).toDouble()); });
    connect(toolAction(bar, QStringLiteral("actZoomOut"), QStringLiteral("缩小"),
                       QKeySequence::ZoomOut),
            &QAction::triggered, this, [this] { setZoom(std::max(0.25, effectiveZoom() / 1.25)); });
    connect(
        toolAction(bar, QStringLiteral("actZoomIn"), QStringLiteral("放大"), QKeySequence::ZoomIn),
        &QAction::triggered, this, [this] { setZoom(std::min(3.0, effectiveZoom() * 1.25)); });
    bar->addSeparator();

    auto *orientation = new QActionGroup(this);
    m_portrait = toolAction(bar, QStringLiteral("actPortrait"), QStringLiteral("纵向"));
    m_landscape = toolAction(bar, QStringLiteral("actLandscape"), QStringLiteral("横向"));
    for (QAction *action : {m_portrait, m_landscape}) {
        action->setCheckable(true);
        orientation->addAction(action);
    }
    (pages.pageLayout().orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)
        ->setChecked(true);
    connect(m_portrait, &QAction::triggered, this, [this] { setOrientation(false); });
    connect(m_landscape, &QAction::triggered, this, [this] { setOrientation(true); });
    bar->addSeparator();
    connect(toolAction(bar, QStringLiteral("actClose"), QStringLiteral("关闭")),
            &QAction::triggered, this, &QDialog::accept);

    m_view = new QLabel;
    m_view->setObjectName(QStringLiteral("pageView"));
    m_view->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_scroll, 1);

    updateControls();
    render();
}

void PrintPreviewDialog::preview(PrintPages &pages, const QString &documentName, QWidget *parent)
{
    if (interceptor()) {
        interceptor()(pages, documentName);
        return;
    }
    // Laying out a long printout takes a moment before the first page shows.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PrintPreviewDialog dialog(pages, documentName, parent);
    QGuiApplication::restoreOverrideCursor();
    dialog.exec();
}

PrintPreviewDialog::Interceptor PrintPreviewDialog::setInterceptor(Interceptor next)
{
    Interceptor previous = std::move(interceptor());
    interceptor() = std::move(next);
    return previous;
}

int PrintPreviewDialog::pageCount() const
{
    return m_pages.pageCount();
}

void PrintPreviewDialog::showPage(int page)
{
    page = std::clamp(page, 1, std::max(1, pageCount()));
    if (page != m_page) {
        m_page = page;
        render();
        m_scroll->verticalScrollBar()->setValue(0);
    }
    updateControls();
}

void PrintPreviewDialog::setZoom(double zoom)
{
    m_zoom = zoom;
    for (int i = 0; i < m_zoomBox->count(); ++i) {
        if (qFuzzyCompare(m_zoomBox->itemData(i).toDouble() + 2, zoom + 2)) {
            m_zoomBox->setCurrentIndex(i);
            break;
        }
    }
    render();
}

double PrintPreviewDialog::effectiveZoom() const
{
    if (m_zoom > 0)
        return m_zoom;
    const QRectF paper = m_pages.pageLayout().fullRect(QPageLayout::Millimeter);
    const double dpi = logicalDpiX();
    const QSize room = m_scroll->viewport()->size() - QSize(24, 24);
    const double byWidth = room.width() / (paper.width() / 25.4 * dpi);
    if (m_zoom == 0)
        return std::max(0.1, byWidth);
    const double byHeight = room.height() / (paper.height() / 25.4 * dpi);
    return std::max(0.1, std::min(byWidth, byHeight));
}

void PrintPreviewDialog::render()
{
    const QPageLayout layout = m_pages.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF content = layout.paintRect(QPageLayout::Millimeter);
    const double pixelsPerMm = logicalDpiX() / 25.4 * effectiveZoom();
    const qreal ratio = devicePixelRatioF();
    QImage image(QSize(qRound(paper.width() * pixelsPerMm * ratio),
                       qRound(paper.height() * pixelsPerMm * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.translate(content.left() * pixelsPerMm, content.top() * pixelsPerMm);
        const double scale = pixelsPerMm * 25.4 / PrintPages::DotsPerInch;
        painter.scale(scale, scale);
        if (m_page <= pageCount())
            m_pages.paintPage(painter, m_page - 1);
    }
    m_view->setPixmap(QPixmap::fromImage(image));
}

void PrintPreviewDialog::updateControls()
{
    const int count = std::max(1, pageCount());
    const QSignalBlocker block(m_pageSpin);
    m_pageSpin->setRange(1, count);
    m_pageSpin->setValue(m_page);
    m_pageTotal->setText(QStringLiteral(" / %1 ").arg(count));
    m_first->setEnabled(m_page > 1);
    m_prior->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < count);
    m_last->setEnabled(m_page < count);
}

void PrintPreviewDialog::setOrientation(bool landscape)
{
    m_pages.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_page = std::min(m_page, std::max(1, pageCount()));
    updateControls();
    render();
}

bool PrintPreviewDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Fitting zooms follow the room the page has.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom <= 0)
        render();
    return QDialog::eventFilter(watched, event);
}

void PrintPreviewDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_Home:
        showPage(1);
        return;
    case Qt::Key_End:
        showPage(pageCount());
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool PrintPreviewDialog::exportPdf()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(documents).filePath(
        (m_documentName.isEmpty() ? QStringLiteral("report") : m_documentName) +
        QStringLiteral(".pdf"));
    QString path = platform().saveFileName(this, PdfCaption, suggested, PdfFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    return writePdfTo(path);
}

bool PrintPreviewDialog::writePdfTo(const QString &path)
{
    if (writePdf(m_pages, path, m_documentName))
        return true;
    ShowMess(this, PdfFailed + QDir::toNativeSeparators(path), 3);
    return false;
}

void PrintPreviewDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_documentName);
    printer.setPageLayout(m_pages.pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Paper and orientation chosen in the dialog lay the pages out again; margins stay ours.
    QPageLayout chosen = m_pages.pageLayout();
    chosen.setPageSize(printer.pageLayout().pageSize());
    chosen.setOrientation(printer.pageLayout().orientation());
    if (!chosen.isEquivalentTo(m_pages.pageLayout())) {
        m_pages.setPageLayout(chosen);
        m_page = std::min(m_page, pageCount());
        updateControls();
        render();
    }
    const bool range = printer.printRange() == QPrinter::PageRange;
    renderPages(m_pages, printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}
