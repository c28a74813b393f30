#pragma once
#include <QStringList>
#include <QWidget>

class PictureSlot;
class QTabWidget;

// The three picture tabs of an editor with 载入图片 and 清空显示 under them, both acting on the
// tab that is shown; a double click on a picture loads too. The slots are the editor's own
// inputs Image1..Image3 (found by name), so its field table stores them.
class PicturePages : public QWidget {
    Q_OBJECT
public:
    struct Names {
        QString tabs;         // the tab widget's objectName
        QStringList captions; // the three tabs' captions
        QString loadButton;
        QString clearButton;
    };

    PicturePages(QWidget *editor, const Names &names, QWidget *parent);

    PictureSlot *slot(int n) const; // 1..3
    PictureSlot *shownSlot() const;
    void loadPicture();  // through the image viewer
    void clearPicture(); // the shown slot only

private:
    QWidget *m_editor;
    QTabWidget *m_tabs;
};
