#include "Messages.h"

#include "Platform.h"

#include <QApplication>
#include <QWidget>

QString messageCaption(int kind)
{
    switch (kind) {
    case 1:
        return QStringLiteral("询问");
    case 2:
        return QStringLiteral("警告");
    case 3:
        return QStringLiteral("错误");
    default:
        return QStringLiteral("提示");
    }
}

int ShowMess(QWidget *parent, const QString &text, int kind)
{
    const auto messageKind = kind >= 0 && kind <= 3 ? Platform::MessageKind(kind)
                                                    : Platform::MessageKind::Information;
    const Platform::Answer answer =
        platform().message(parent, messageCaption(kind), text, messageKind);
    if (messageKind == Platform::MessageKind::Question)
        return answer == Platform::Answer::Yes ? 1 : 2;
    return 1;
}

int ShowMess(const QString &text, int kind)
{
    return ShowMess(QApplication::activeWindow(), text, kind);
}
