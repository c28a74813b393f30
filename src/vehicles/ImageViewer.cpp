#include "ImageViewer.h"

#include "ImageZoom.h"
#include "PictureExport.h"
#include "PicturePanel.h"
#include "app/PictureData.h"

#include "app/Messages.h"
#include "app/Platform.h"
#include "widgets/WindowKeys.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString Separator = QStringLiteral("-");

// Where each command is shown, in order; "-" is a separator.
const QStringList ToolBarCommands{"actLoad",   "actExport",  "actClear",   Separator,
                                  "actZoomIn", "actZoomOut", "actNatural", "actFullScreen",
                                  Separator,   "actSave",    "actCancel"};
const QStringList EditMenuCommands{"actLoad", "actExport", "actClear",
                                   Separator, "actSave",   "actCancel"};
const QStringList ZoomMenuCommands{"actZoomIn", "actZoomOut", "actNatural", "actFullScreen"};
const QStringList PopupCommands{"actLoad",   "actExport",  "actClear",   Separator,
                                "actZoomIn", "actZoomOut", "actNatural", "actFullScreen",
                                Separator,   "actSave",    "actCancel"};

void setBlack(QWidget *widget)
{
    QPalette black = widget->palette();
    black.setColor(QPalette::Window, Qt::black);
    widget->setPalette(black);
    widget->setAutoFillBackground(true);
}

} // namespace

ImageViewer::ImageViewer(QWidget *parent) : QDialog(parent), ZoomIndex(ImageZoom::Natural)
{
    setObjectName(QStringLiteral("TfrmImageDisp"));
    setWindowTitle(Caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    createCommands();

    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("MainMenu1"));
    fillCommands(m_menuBar->addMenu(QStringLiteral("编辑")), EditMenuCommands);
    fillCommands(m_menuBar->addMenu(QStringLiteral("缩放")), ZoomMenuCommands);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->setMovable(false);
    fillCommands(m_toolBar, ToolBarCommands);
    for (QAction *action : m_toolBar->actions())
        if (QWidget *button = m_toolBar->widgetForAction(action); button && !action->isSeparator())
            button->setMinimumHeight(40);

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    fillCommands(m_popupMenu, PopupCommands);

    m_panel = new PicturePanel;
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    // Centred while smaller than the box, from the top left corner once larger (then scrolled).
    m_scrollBox->setAlignment(Qt::AlignCenter);
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setWidget(m_panel);
    setBlack(m_scrollBox->viewport());

    createStatusBar();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scrollBox, 1);
    layout->addWidget(m_statusBar);

    bindKeys();
    resize(800, 600);
    LayoutPicture(true);
}

void ImageViewer::createCommands()
{
    const Command commands[] = {
        {"actLoad", QStringLiteral("载入"), {}, &ImageViewer::loadClick},
        {"actExport", QStringLiteral("输出"), {}, &ImageViewer::exportClick},
        {"actClear", QStringLiteral("清空"), {}, &ImageViewer::clearClick},
        {"actZoomIn", QStringLiteral("放大"), {}, &ImageViewer::zoomInClick},
        {"actZoomOut", QStringLiteral("缩小"), {}, &ImageViewer::zoomOutClick},
        {"actNatural", QStringLiteral("原始尺寸"), QStringLiteral("原始"),
         &ImageViewer::naturalSizeClick},
        {"actFullScreen", QStringLiteral("全屏"), {}, &ImageViewer::fullScreenClick},
        {"actSave", QStringLiteral("保存"), {}, &ImageViewer::accept},
        {"actCancel", QStringLiteral("取消"), {}, &ImageViewer::reject},
    };
    for (const Command &c : commands) {
        auto *action = new QAction(c.caption, this);
        action->setObjectName(QLatin1String(c.name));
        if (!c.toolCaption.isEmpty())
            action->setIconText(c.toolCaption);
        connect(action, &QAction::triggered, this, c.run);
        m_commands.insert(QLatin1String(c.name), action);
    }
}

void ImageViewer::fillCommands(QWidget *target, const QStringList &names)
{
    for (const QString &name : names) {
        if (name == Separator) {
            auto *separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else {
            target->addAction(m_commands.value(name));
        }
    }
}

void ImageViewer::createStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    for (int i = 1; i <= 6; ++i) {
        auto *panel = new QLabel(m_statusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (i <= 5)
            panel->setAlignment(Qt::AlignCenter);
        m_panels.append(panel);
    }
    m_panels[0]->setMinimumWidth(60);
    m_panels[3]->setMinimumWidth(60);
    m_panels[4]->setFixedWidth(0);
    // The path and the size take their text's width plus 20, without holding the window that
    // wide when a long path does not fit.
    for (QLabel *panel : {m_panels[1], m_panels[2]}) {
        panel->setContentsMargins(10, 0, 10, 0);
        panel->setMinimumWidth(1);
    }
    for (int i = 0; i < 6; ++i)
        m_statusBar->addWidget(m_panels[i], i == 5 ? 1 : 0);
}

void ImageViewer::bindKeys()
{
    auto *keys = new WindowKeys(this);
    // Esc leaves full screen and otherwise does nothing: the viewer is left by 保存 or 取消.
    keys->bind(Qt::Key_Escape, [this] {
        if (FullScreen)
            leaveFullScreen();
    });
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Slash})
        keys->bind(key, [this] { LayoutPicture(true); });
    keys->bind(Qt::Key_PageUp, [this] { scrollBy(Qt::Vertical, QScrollBar::SliderPageStepSub); });
    keys->bind(Qt::Key_PageDown, [this] { scrollBy(Qt::Vertical, QScrollBar::SliderPageStepAdd); });
    keys->bind(Qt::Key_Up, [this] { scrollBy(Qt::Vertical, QScrollBar::SliderSingleStepSub); });
    keys->bind(Qt::Key_Down, [this] { scrollBy(Qt::Vertical, QScrollBar::SliderSingleStepAdd); });
    keys->bind(Qt::Key_Left, [this] { scrollBy(Qt::Horizontal, QScrollBar::SliderSingleStepSub); });
    keys->bind(Qt::Key_Right,
               [this] { scrollBy(Qt::Horizontal, QScrollBar::SliderSingleStepAdd); });
}

QAction *ImageViewer::command(const char *name) const
{
    return m_commands.value(QLatin1String(name));
}

void ImageViewer::setPictureBytes(const QByteArray &bytes)
{
    m_picture = PictureData::decodePicture(bytes);
    m_pictureBytes = m_picture.isNull() ? QByteArray() : bytes;
    LayoutPicture(true);
}

void ImageViewer::setPicture(const QImage &image)
{
    m_picture = image;
    m_pictureBytes.clear();
    LayoutPicture(true);
}

QString ImageViewer::ShowPicture(const QString &path)
{
    PicturePath = path;
    LoadPictureFile(path);
    updateStatus();
    return exec() == QDialog::Accepted ? PicturePath : path;
}

bool ImageViewer::LoadPictureFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QString error;
    const std::optional<PictureFile> file = PictureData::readPictureFile(path, &error);
    if (!file) {
        ShowMess(this, error, 3);
        return false;
    }
    m_picture = file->image;
    m_pictureBytes = file->bytes;
    LayoutPicture(true);
    return true;
}

void ImageViewer::LayoutPicture(bool reset)
{
    m_panel->hide();
    if (reset)
        ZoomIndex = ImageZoom::Natural;
    m_panel->setPicture(m_picture);
    m_panel->resize(ImageZoom::scaledSize(m_picture.size(), ZoomIndex));
    m_panel->show();
    updateStatus();
    updateZoomCommands();
}

void ImageViewer::updateStatus()
{
    m_panels[1]->setText(PicturePath);
    m_panels[2]->setText(QStringLiteral("%1x%2").arg(m_picture.width()).arg(m_picture.height()));
    m_panels[3]->setText(ImageZoom::percentText(ZoomIndex));
}

// The two commands follow the level, also after natural size or a new picture reset it, so
// neither stays disabled at a level it could leave.
void ImageViewer::updateZoomCommands()
{
    command("actZoomIn")->setEnabled(ZoomIndex < ImageZoom::Last);
    command("actZoomOut")->setEnabled(ZoomIndex > ImageZoom::First);
}

void ImageViewer::scrollBy(Qt::Orientation orientation, int action)
{
    QScrollBar *bar = orientation == Qt::Vertical ? m_scrollBox->verticalScrollBar()
                                                  : m_scrollBox->horizontalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderAction(action));
}

void ImageViewer::loadClick()
{
    const QString folder = PicturePath.isEmpty() ? QString() : QFileInfo(PicturePath).path();
    const QString path =
        platform().openFileName(this, QStringLiteral("载入图片"), folder, OpenFilter);
    // The path changes only with the picture, so that 保存 never returns a file other than the
    // one shown.
    if (!path.isEmpty() && LoadPictureFile(path)) {
        PicturePath = path;
        updateStatus();
    }
}

void ImageViewer::exportClick()
{
    if (m_picture.isNull()) {
        ShowMess(this, PictureExport::noPictureMessage(), 0);
        return;
    }
    const QStringList filters = SaveFilter.split(QStringLiteral(";;"));
    QString filter = filters.first();
    const QString suggested =
        PicturePath.isEmpty() ? QString() : QFileInfo(PicturePath).completeBaseName();
    const QString chosen =
        platform().saveFileName(this, QStringLiteral("输出图片"), suggested, SaveFilter, &filter);
    if (chosen.isEmpty())
        return;
    const auto form = PictureExport::Form(qMax(0, filters.indexOf(filter)) + 1);
    if (!PictureExport::canWrite(m_picture, m_pictureBytes, form)) {
        ShowMess(this, PictureExport::gifRefusedMessage(), 2);
        return;
    }
    const QString target = PictureExport::targetPath(chosen, form);
    // The dialog asked about the chosen name only; a changed extension may name another file.
    if (target != chosen && QFile::exists(target) &&
        ShowMess(this, QStringLiteral("文件：") + target + QStringLiteral("已经存在，要替换它吗？"),
                 1) != 1)
        return;
    QString error;
    if (!PictureExport::write(m_picture, m_pictureBytes, form, target, &error))
        ShowMess(this, error, 3);
}

void ImageViewer::clearClick()
{
    m_picture = QImage();
    m_pictureBytes.clear();
    PicturePath.clear();
    LayoutPicture(true);
}

void ImageViewer::zoomInClick()
{
    if (ZoomIndex >= ImageZoom::Last)
        return;
    ++ZoomIndex;
    LayoutPicture(false);
}

void ImageViewer::zoomOutClick()
{
    if (ZoomIndex <= ImageZoom::First)
        return;
    --ZoomIndex;
    LayoutPicture(false);
}

void ImageViewer::naturalSizeClick()
{
    LayoutPicture(true);
}

void ImageViewer::fullScreenClick()
{
    if (FullScreen)
        return;
    m_menuBar->hide();
    m_toolBar->hide();
    m_statusBar->hide();
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    showFullScreen();
    FullScreen = true;
    LayoutPicture(true);
}

void ImageViewer::leaveFullScreen()
{
    if (!FullScreen)
        return;
    showNormal();
    m_menuBar->show();
    m_toolBar->show();
    m_statusBar->show();
    m_scrollBox->setFrameShape(QFrame::StyledPanel);
    FullScreen = false;
    LayoutPicture(true);
}

void ImageViewer::contextMenuEvent(QContextMenuEvent *event)
{
    // The picture's menu; it reaches here from the panel and the scroll box, which have none.
    if (m_scrollBox->geometry().contains(event->pos()))
        m_popupMenu->exec(event->globalPos());
}
