#pragma once
#include <QPixmap>
#include <QWidget>

// TFrmBtnImage, "桌面": the picture behind all child windows. It has no commands; closing it only
// minimises it, as a child window without close handling of its own does.
class DesktopWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("桌面");

    explicit DesktopWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPixmap m_picture;
};
