#include "BrowseButtons.h"

#include "db/DataSet.h"

#include <QAbstractButton>
#include <QAction>

BrowseButtons::BrowseButtons(DataSet *dataSet, QAction *first, QAction *prior, QAction *next,
                             QAction *last, QObject *parent)
    : QObject(parent), m_dataSet(dataSet)
{
    const std::array<QAction *, 4> actions{first, prior, next, last};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        QPointer<QAction> action = actions[i];
        m_enable[i] = [action](bool on) {
            if (action)
                action->setEnabled(on);
        };
    }
    connect(first, &QAction::triggered, this, &BrowseButtons::first);
    connect(prior, &QAction::triggered, this, &BrowseButtons::prior);
    connect(next, &QAction::triggered, this, &BrowseButtons::next);
    connect(last, &QAction::triggered, this, &BrowseButtons::last);
}

BrowseButtons::BrowseButtons(DataSet *dataSet, QAbstractButton *first, QAbstractButton *prior,
                             QAbstractButton *next, QAbstractButton *last, QObject *parent)
    : QObject(parent), m_dataSet(dataSet)
{
    const std::array<QAbstractButton *, 4> buttons{first, prior, next, last};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPointer<QAbstractButton> button = buttons[i];
        m_enable[i] = [button](bool on) {
            if (button)
                button->setEnabled(on);
        };
    }
    connect(first, &QAbstractButton::clicked, this, &BrowseButtons::first);
    connect(prior, &QAbstractButton::clicked, this, &BrowseButtons::prior);
    connect(next, &QAbstractButton::clicked, this, &BrowseButtons::next);
    connect(last, &QAbstractButton::clicked, this, &BrowseButtons::last);
}

void BrowseButtons::enable(Button button, bool on)
{
    m_enable[button](on);
}

void BrowseButtons::first()
{
    if (m_dataSet)
        m_dataSet->first();
    enable(First, false);
    enable(Prior, false);
    enable(Next, true);
    enable(Last, true);
}

void BrowseButtons::prior()
{
    if (m_dataSet && m_dataSet->bof()) {
        enable(First, false);
        enable(Prior, false);
    } else if (m_dataSet) {
        m_dataSet->prior();
    }
    enable(Next, true);
    enable(Last, true);
}

void BrowseButtons::next()
{
    if (m_dataSet && m_dataSet->eof()) {
        enable(Last, false);
        enable(Next, false);
    } else if (m_dataSet) {
        m_dataSet->next();
    }
    enable(First, true);
    enable(Prior, true);
}

void BrowseButtons::last()
{
    if (m_dataSet)
        m_dataSet->last();
    enable(First, true);
    enable(Prior, true);
    enable(Last, false);
    enable(Next, false);
}

void BrowseButtons::enableAll()
{
    for (auto &set : m_enable)
        set(true);
}
