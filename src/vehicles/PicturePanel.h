#pragma once
#include <QImage>
#include <QWidget>

// The black panel of the picture viewer: it shows its picture stretched to its own size. Only
// the part being repainted is scaled, so a large picture at ten times its size costs no more
// than the screen it fills.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    explicit PicturePanel(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
