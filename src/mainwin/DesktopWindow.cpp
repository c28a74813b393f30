#include "DesktopWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPainter>

DesktopWindow::DesktopWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TFrmBtnImage"));
    setWindowTitle(Caption);
    Q_INIT_RESOURCE(mainwin);
    m_picture.load(QStringLiteral(":/mainwin/desktop.jpg"));
}

void DesktopWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), QColor(58, 110, 165));
    else
        painter.drawPixmap(rect(), m_picture);
}

void DesktopWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->showMinimized();
}
