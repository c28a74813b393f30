#include "NavigationBar.h"

#include "ActionBinding.h"

#include <QAction>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

NavigationBar::NavigationBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("navBar"));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(1);
    // Takes the room when no group is open, so the headers stay at the top.
    m_layout->addStretch();
}

int NavigationBar::addGroup(const QString &objectName, const QString &title)
{
    const int index = int(m_groups.size());
    Group group;
    group.header = new QToolButton(this);
    group.header->setObjectName(objectName);
    group.header->setText(title);
    group.header->setToolButtonStyle(Qt::ToolButtonTextOnly);
    group.header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group.header->setMinimumHeight(26);
    group.header->setStyleSheet(QStringLiteral(
        "QToolButton { font-weight: bold; border: 1px solid #8fa8cf; border-radius: 2px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f2f6fc, stop:1 #c9d8ee); }"
        "QToolButton:hover { background: #fbe7b5; }"));
    connect(group.header, &QToolButton::clicked, this, [this, index] { openGroup(index); });

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *page = new QWidget;
    page->setObjectName(objectName + QStringLiteral("Page"));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, QColor(247, 250, 255));
    page->setPalette(palette);
    group.itemLayout = new QVBoxLayout(page);
    group.itemLayout->setContentsMargins(4, 4, 4, 4);
    group.itemLayout->setSpacing(0);
    group.itemLayout->addStretch();
    scroll->setWidget(page);
    group.page = scroll;

    m_layout->insertWidget(m_layout->count() - 1, group.header);
    m_layout->insertWidget(m_layout->count() - 1, scroll, 1);
    m_groups.append(group);
    if (m_open < 0)
        m_open = index;
    update();
    return index;
}

void NavigationBar::addItem(int group, QAction *action, const QString &text)
{
    Group &g = m_groups[group];
    auto *item = new QToolButton;
    item->setObjectName(QStringLiteral("nav") + action->objectName());
    item->setAutoRaise(true);
    item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    item->setIconSize(QSize(20, 20));
    item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    followAction(item, action, text);
    g.itemLayout->insertWidget(g.itemLayout->count() - 1, item);
    g.items.append(item);
}

QString NavigationBar::groupTitle(int group) const
{
    return m_groups.at(group).header->text();
}

void NavigationBar::setGroupVisible(int group, bool visible)
{
    m_groups[group].visible = visible;
    update();
}

bool NavigationBar::isGroupVisible(int group) const
{
    return m_groups.at(group).visible;
}

void NavigationBar::openGroup(int group)
{
    m_open = group;
    update();
}

QList<QToolButton *> NavigationBar::items(int group) const
{
    return m_groups.at(group).items;
}

void NavigationBar::update()
{
    if (m_open < 0 || !m_groups.at(m_open).visible) {
        m_open = -1;
        for (int i = 0; i < m_groups.size() && m_open < 0; ++i) {
            if (m_groups.at(i).visible)
                m_open = i;
        }
    }
    for (int i = 0; i < m_groups.size(); ++i) {
        const Group &g = m_groups.at(i);
        g.header->setVisible(g.visible);
        g.page->setVisible(g.visible && i == m_open);
    }
}
