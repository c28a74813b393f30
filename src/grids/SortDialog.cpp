#include "SortDialog.h"

#include "DataGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int FieldRole = Qt::UserRole;

// The direction column offers exactly three values; the title column cannot be edited.
class DirectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        if (index.column() != 1)
            return nullptr;
        Q_UNUSED(option);
        auto *box = new QComboBox(parent);
        box->addItems({QString(), SortDialogRows::Ascending, SortDialogRows::Descending});
        return box;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *box = static_cast<QComboBox *>(editor);
        box->setCurrentIndex(std::max(0, box->findText(index.data().toString())));
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText());
    }
};

} // namespace

SortDialog::SortDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TfrmRowArrangeGl"));
    setWindowTitle(Caption);

    auto *hint = new QLabel(Hint, this);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("vle1"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("字段"), QStringLiteral("排序方式")});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setExpandsOnDoubleClick(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setItemDelegate(new DirectionDelegate(m_list));
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    m_list->header()->setSectionsMovable(false);

    m_up = new QPushButton(QStringLiteral("上移"), this);
    m_up->setObjectName(QStringLiteral("Button1"));
    m_down = new QPushButton(QStringLiteral("下移"), this);
    m_down->setObjectName(QStringLiteral("Button2"));
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("Button3"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("Button4"));
    for (QPushButton *b : {m_up, m_down, m_ok, m_cancel})
        b->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(body, 1);
    resize(420, 360);

    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { vle1DblClick(); });
    connect(m_up, &QPushButton::clicked, this, &SortDialog::Button1Click);
    connect(m_down, &QPushButton::clicked, this, &SortDialog::Button2Click);
    connect(m_ok, &QPushButton::clicked, this, &SortDialog::Button3Click);
    connect(m_cancel, &QPushButton::clicked, this, &SortDialog::reject);
}

void SortDialog::setGrid(const DataGrid *grid)
{
    m_records.clear();
    m_list->clear();
    m_result.clear();
    if (!grid)
        return;
    for (const GridColumn &c : grid->columns()) {
        m_records.push_back({c.fieldName.toLower(), c.title});
        auto *item = new QTreeWidgetItem(m_list, {c.title, QString()});
        item->setData(0, FieldRole, c.fieldName.toLower());
        // Rows are dropped between rows, never into one.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                       Qt::ItemIsDragEnabled);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

bool SortDialog::execute(DataGrid *grid, QString &sortText)
{
    SortDialog dialog(grid ? grid->window() : nullptr);
    dialog.setGrid(grid);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    sortText = dialog.result();
    return true;
}

std::vector<SortDialogRows::Row> SortDialog::rows() const
{
    std::vector<SortDialogRows::Row> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        rows.push_back({item->data(0, FieldRole).toString(), item->text(0), item->text(1)});
    }
    return rows;
}

void SortDialog::vle1DblClick()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (item)
        item->setText(1, SortDialogRows::nextDirection(item->text(1)));
}

void SortDialog::moveCurrent(int delta)
{
    m_list->setFocus();
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    const int from = m_list->indexOfTopLevelItem(item);
    const int to = from + delta;
    if (to < 0 || to >= m_list->topLevelItemCount())
        return;
    m_list->closePersistentEditor(item, 1);
    m_list->takeTopLevelItem(from);
    m_list->insertTopLevelItem(to, item);
    m_list->setCurrentItem(item);
}

void SortDialog::Button1Click()
{
    moveCurrent(-1);
}

void SortDialog::Button2Click()
{
    moveCurrent(+1);
}

void SortDialog::Button3Click()
{
    m_result = SortDialogRows::sortText(rows());
    accept();
}

void SortGridRows(DataGrid *grid)
{
    if (!grid)
        return;
    QString sortText;
    SortDialog::execute(grid, sortText);
    grid->sortRows(sortText);
}
