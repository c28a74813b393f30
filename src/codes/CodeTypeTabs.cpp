#include "CodeTypeTabs.h"

#include "CodeTypes.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QToolButton>

CodeTypeTabs::CodeTypeTabs(QWidget *parent) : QWidget(parent), m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("PageControl1"));
    m_group->setExclusive(true);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    int index = 0;
    for (const CodeType &type : CodeTypes::all()) {
        auto *button = new QToolButton(this);
        button->setObjectName(type.tabName());
        button->setText(type.caption);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumHeight(24);
        m_group->addButton(button, index);
        layout->addWidget(button, index / TabsPerRow, index % TabsPerRow);
        ++index;
    }
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == m_current)
            return;
        m_current = id;
        emit currentChanged(id);
    });
}

int CodeTypeTabs::count() const
{
    return int(m_group->buttons().size());
}

QAbstractButton *CodeTypeTabs::tab(int index) const
{
    return m_group->button(index);
}

int CodeTypeTabs::currentIndex() const
{
    return m_current;
}

void CodeTypeTabs::setCurrentIndex(int index)
{
    if (QAbstractButton *button = m_group->button(index)) {
        button->setChecked(true);
        m_current = index;
    }
}
