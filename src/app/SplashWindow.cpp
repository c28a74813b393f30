#include "SplashWindow.h"

#include "Globals.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral("系统登录 splash 界面"));
    setFixedSize(470, 294);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(14);
    m_label->setFont(font);
    m_label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    m_label->move(22, 54);
    m_label->resize(420, 20);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    setText(Starting);
}

QStringList &SplashWindow::history()
{
    static QStringList texts;
    return texts;
}

void SplashWindow::setText(const QString &text)
{
    m_label->setText(text);
    history().append(text);
    m_label->repaint();
}

QString SplashWindow::text() const
{
    return m_label->text();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    // The picture: a calm gradient with the product's name.
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(236, 244, 252));
    g.setColorAt(1, QColor(170, 200, 235));
    p.fillRect(rect(), g);
    p.setPen(QColor(30, 60, 110));
    QFont title = font();
    title.setPixelSize(24);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(22, 120, width() - 44, 40), Qt::AlignLeft | Qt::AlignVCenter,
               ApplicationTitle);
    QFont small = font();
    small.setPixelSize(12);
    p.setFont(small);
    p.drawText(QRect(22, height() - 40, width() - 44, 20), Qt::AlignRight | Qt::AlignVCenter,
               VersionText.trimmed() + QStringLiteral("  ") + PublisherName);
    p.setPen(QColor(120, 150, 190));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
