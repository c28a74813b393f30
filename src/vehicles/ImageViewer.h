#pragma once
#include <QDialog>
#include <QHash>
#include <QImage>

class PicturePanel;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class QToolBar;

// TfrmImageDisp: the modal picture viewer of the editors that keep pictures. The caller hands it
// the picture it shows and that picture's path; the operator may load another file, clear,
// export, zoom and view full screen, then confirm (保存) or cancel (取消). It returns a path only;
// the caller reads the picture from that path itself (PictureData::readPictureFile).
//
//   ImageViewer viewer(this);
//   if (!slotPath.isEmpty())
//       viewer.setPictureBytes(slotBytes);
//   DispFormPos(&viewer, 0);
//   const QString chosen = viewer.ShowPicture(slotPath);
class ImageViewer : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("图像显示");
    // Qt's form of the dialogs' filters; PNG is offered too, since it is kept like the others.
    static inline const QString OpenFilter =
        QStringLiteral("Image Files (*.bmp *.jpg *.jpeg *.gif *.png);;Bitmap Files (*.jpg *.jpeg);;"
                       "Bitmap Files (*.gif);;Bitmap Files (*.bmp);;PNG Files (*.png)");
    // In the order of PictureExport::Form.
    static inline const QString SaveFilter =
        QStringLiteral("Bitmap Files (*.jpg *.jpeg);;Bitmap Files (*.gif);;Bitmap Files (*.bmp)");

    explicit ImageViewer(QWidget *parent = nullptr);

    // The picture the caller shows: its stored bytes (decoded by content, kept for export) or an
    // image. Shown at natural size.
    void setPictureBytes(const QByteArray &bytes);
    void setPicture(const QImage &image);

    // Shows the viewer modally for the picture at path (loaded when a file is there, otherwise
    // the picture handed over stays). Returns PicturePath when the operator confirmed, the given
    // path unchanged otherwise.
    QString ShowPicture(const QString &path);

    QString picturePath() const { return PicturePath; }
    const QImage &picture() const { return m_picture; }
    int zoomIndex() const { return ZoomIndex; }
    bool isFullScreenView() const { return FullScreen; }

    // Loads the file when one is at the path; true when it was loaded. A file that cannot be
    // shown is reported and leaves the picture as it was.
    bool LoadPictureFile(const QString &path);
    // Sizes the panel for the picture: with reset at natural size (zoom level 9), otherwise at
    // the current level.
    void LayoutPicture(bool reset);

    void loadClick();
    void exportClick();
    void clearClick();
    void zoomInClick();
    void zoomOutClick();
    void naturalSizeClick();
    void fullScreenClick();
    void leaveFullScreen();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Command {
        const char *name;
        QString caption;
        QString toolCaption;
        void (ImageViewer::*run)();
    };
    void createCommands();
    void fillCommands(QWidget *target, const QStringList &names);
    void createStatusBar();
    void bindKeys();
    void updateStatus();
    void updateZoomCommands();
    void scrollBy(Qt::Orientation orientation, int action);
    QAction *command(const char *name) const;

    QString PicturePath;
    int ZoomIndex;
    bool FullScreen = false;
    QImage m_picture;
    QByteArray m_pictureBytes; // the file's or the caller's bytes, for GIF export

    QHash<QString, QAction *> m_commands;
    QMenuBar *m_menuBar = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_popupMenu = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    PicturePanel *m_panel = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QList<QLabel *> m_panels;
};
