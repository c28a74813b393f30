#pragma once
#include <QStringList>
#include <QWidget>

class QLabel;

// TfrmSplash: the borderless start-up picture with one line of progress text.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Starting = QStringLiteral("系统正在启动，请稍候 .....");
    static inline const QString Connecting = QStringLiteral("正在连接数据库 .....");
    static inline const QString LoggingIn3 = QStringLiteral("连接成功，正在登录 ...");
    static inline const QString LoggingIn5 = QStringLiteral("连接成功，正在登录 .....");

    SplashWindow();
    void setText(const QString &text); // shows it at once
    QString text() const;

    // Every text any splash showed since the last clear, in order (the start-up record).
    static QStringList &history();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_label;
};
