#include "PicturePages.h"

#include "PictureSlotViewer.h"

#include "forms/PictureSlot.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

PicturePages::PicturePages(QWidget *editor, const Names &names, QWidget *parent)
    : QWidget(parent), m_editor(editor)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(names.tabs);
    for (int n = 1; n <= 3; ++n) {
        PictureSlot *picture = slot(n);
        m_tabs->addTab(picture, names.captions.value(n - 1));
        connect(picture, &PictureSlot::doubleClicked, this, &PicturePages::loadPicture);
    }
    auto *load = new QPushButton(QStringLiteral("载入图片"), this);
    load->setObjectName(names.loadButton);
    auto *clear = new QPushButton(QStringLiteral("清空显示"), this);
    clear->setObjectName(names.clearButton);
    for (QPushButton *button : {load, clear})
        button->setAutoDefault(false);
    connect(load, &QPushButton::clicked, this, &PicturePages::loadPicture);
    connect(clear, &QPushButton::clicked, this, &PicturePages::clearPicture);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(load);
    buttons->addWidget(clear);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
}

PictureSlot *PicturePages::slot(int n) const
{
    return m_editor->findChild<PictureSlot *>(QStringLiteral("Image%1").arg(n));
}

PictureSlot *PicturePages::shownSlot() const
{
    return slot(m_tabs->currentIndex() + 1);
}

void PicturePages::loadPicture()
{
    choosePictureThroughViewer(m_editor, shownSlot());
}

void PicturePages::clearPicture()
{
    if (PictureSlot *picture = shownSlot())
        picture->clearPicture();
}
