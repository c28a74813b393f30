#include "GroupPanel.h"

#include "GroupListModel.h"

#include "app/DataModule.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

GroupPanel::GroupPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel3"));
    setFixedWidth(PanelWidth);
    m_model = new GroupListModel(this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("vleList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(20);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->setColumnWidth(0, 29);

    m_typeBox = new QComboBox(this);
    m_typeBox->setObjectName(QStringLiteral("cbbListType"));
    m_refresh = new QPushButton(RefreshCaption, this);
    m_refresh->setObjectName(QStringLiteral("Button1"));
    m_refresh->setAutoDefault(false);

    // The strip under the list: the type box over the button, each the panel's width, so that
    // the longest type caption shows whole.
    auto *strip = new QVBoxLayout;
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(2);
    strip->addWidget(m_typeBox);
    strip->addWidget(m_refresh);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_list, 1);
    layout->addLayout(strip);

    connect(m_typeBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling)
            fillGroupList(index);
    });
    connect(m_refresh, &QPushButton::clicked, this, [this] { fillGroupList(currentType()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GroupPanel::onRowChosen);
}

void GroupPanel::setTypes(QList<GroupType> types)
{
    m_types = std::move(types);
    m_filling = true;
    m_typeBox->clear();
    for (const GroupType &type : m_types)
        m_typeBox->addItem(type.item);
    m_filling = false;
}

void GroupPanel::fillGroupList(int typeIndex)
{
    if (typeIndex < 0 || typeIndex >= m_types.size())
        return;
    const GroupType &type = m_types.at(typeIndex);
    QStringList values;
    DataSet rows;
    if (dm().OpenQuery(type.query, rows)) {
        values.reserve(rows.rowCount());
        for (int row = 0; row < rows.rowCount(); ++row)
            values << rows.text(row, 0);
    }
    m_filling = true;
    if (m_typeBox->currentIndex() != typeIndex)
        m_typeBox->setCurrentIndex(typeIndex);
    m_model->reset(AllRow, std::move(values), type.title);
    m_list->setCurrentIndex(m_model->index(0, 1));
    m_filling = false;
    emit refreshRequested();
}

int GroupPanel::currentType() const
{
    return m_typeBox->currentIndex();
}

bool GroupPanel::isAll() const
{
    return m_list->currentIndex().row() <= 0;
}

QString GroupPanel::currentValue() const
{
    return isAll() ? QString() : m_model->value(m_list->currentIndex().row());
}

void GroupPanel::chooseRow(int row)
{
    m_list->setCurrentIndex(m_model->index(row, 1));
}

int GroupPanel::rowCount() const
{
    return m_model->rowCount();
}

QString GroupPanel::valueAt(int row) const
{
    return m_model->value(row);
}

SqlStatement GroupPanel::filter() const
{
    const int type = currentType();
    if (isAll() || type < 0 || type >= m_types.size())
        return {};
    return SqlStatement(QStringLiteral("and ") + m_types.at(type).field +
                            QStringLiteral(" = :groupValue "),
                        {{QStringLiteral("groupValue"), currentValue()}});
}

void GroupPanel::onRowChosen()
{
    if (!m_filling)
        emit refreshRequested();
}
