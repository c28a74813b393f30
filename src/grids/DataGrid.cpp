#include "DataGrid.h"

#include <QAbstractItemDelegate>

#include "GridFooter.h"
#include "GridHeader.h"
#include "GridLayouts.h"
#include "GridModel.h"
#include "GridView.h"
#include "TitleClickSort.h"
#include "app/Messages.h"
#include "db/DataSet.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>

DataGrid::DataGrid(QWidget *parent) : QWidget(parent)
{
    m_model = new GridModel(this);
    m_view = new GridView(this);
    m_header = new GridHeader(m_view);
    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_model);
    // The view's own bar would sit between the rows and the footer; a twin below the footer
    // scrolls it instead.
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_footer = new GridFooter(m_view, m_model, this);
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_hScroll);
    m_footer->hide();

    QScrollBar *inner = m_view->horizontalScrollBar();
    connect(inner, &QScrollBar::rangeChanged, this, [this, inner](int min, int max) {
        m_hScroll->setRange(min, max);
        m_hScroll->setPageStep(inner->pageStep());
        m_hScroll->setSingleStep(inner->singleStep());
        m_hScroll->setVisible(max > min);
    });
    connect(inner, &QScrollBar::valueChanged, m_hScroll, &QScrollBar::setValue);
    connect(m_hScroll, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);

    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::clickTitle);
    connect(m_header, &QHeaderView::sectionMoved, this, &DataGrid::onSectionMoved);
    connect(m_header, &QHeaderView::sectionResized, this, &DataGrid::onSectionResized);
    connect(m_view, &GridView::currentRowChanged, this, &DataGrid::onViewCurrentChanged);
    connect(m_view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit rowDoubleClicked(index.row()); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnsToView();
        if (m_dataSet)
            onDataSetCurrentChanged(m_dataSet->currentRow());
    });

    m_menu = new QMenu(this);
    m_chooseColumns = m_menu->addAction(ChooseColumnsCaption);
    m_chooseColumns->setObjectName(QStringLiteral("N1"));
    m_saveLayout = m_menu->addAction(SaveLayoutCaption);
    m_saveLayout->setObjectName(QStringLiteral("N2"));
    connect(m_chooseColumns, &QAction::triggered, this, [this] { ChooseGridColumns(this); });
    connect(m_saveLayout, &QAction::triggered, this, &DataGrid::saveLayoutAsked);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &DataGrid::showPopup);
    setFocusProxy(m_view);
}

DataGrid::~DataGrid() = default;

void DataGrid::setDataSet(DataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (m_dataSet)
        connect(m_dataSet, &DataSet::currentChanged, this, &DataGrid::onDataSetCurrentChanged);
    m_model->setDataSet(dataSet); // resets the view, which then takes the set's current row
}

DataSet *DataGrid::dataSet() const
{
    return m_dataSet;
}

QTableView *DataGrid::view() const
{
    return m_view;
}

const std::vector<GridColumn> &DataGrid::columns() const
{
    return m_model->columns();
}

void DataGrid::setColumns(std::vector<GridColumn> columns)
{
    m_model->setColumns(std::move(columns));
    emit columnsChanged();
}

void DataGrid::addColumn(const GridColumn &column)
{
    std::vector<GridColumn> all = columns();
    all.push_back(column);
    setColumns(std::move(all));
}

int DataGrid::columnIndex(QStringView field) const
{
    const std::vector<GridColumn> &all = columns();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (QStringView(all[i].fieldName).compare(field, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const GridColumn *DataGrid::column(QStringView field) const
{
    const int index = columnIndex(field);
    return index < 0 ? nullptr : &columns()[std::size_t(index)];
}

void DataGrid::setColumn(int index, const GridColumn &column)
{
    if (index < 0 || index >= columnCount())
        return;
    m_model->setColumn(index, column);
    applyColumnsToView();
    emit columnsChanged();
}

void DataGrid::setColumnVisible(int index, bool visible)
{
    if (index < 0 || index >= columnCount() || columnAt(index).visible == visible)
        return;
    GridColumn c = columnAt(index);
    c.visible = visible;
    setColumn(index, c);
}

void DataGrid::setColumnWidth(int index, int width)
{
    if (index < 0 || index >= columnCount())
        return;
    GridColumn c = columnAt(index);
    c.width = width;
    setColumn(index, c);
}

void DataGrid::setDisplayFormatWhere(const std::function<bool(const QString &)> &test,
                                     const QString &displayFormat)
{
    std::vector<GridColumn> all = columns();
    bool changed = false;
    for (GridColumn &c : all) {
        if (test(c.fieldName.toLower())) {
            c.displayFormat = displayFormat;
            changed = true;
        }
    }
    if (changed)
        setColumns(std::move(all));
}

void DataGrid::applyColumnsToView()
{
    m_applying = true;
    const std::vector<GridColumn> &all = columns();
    for (int i = 0; i < int(all.size()); ++i) {
        const GridColumn &c = all[std::size_t(i)];
        if (m_header->sectionSize(i) != c.width && c.width > 0)
            m_header->resizeSection(i, c.width);
        if (m_view->isColumnHidden(i) == c.visible)
            m_view->setColumnHidden(i, !c.visible);
    }
    m_header->titlesChanged();
    m_footer->setVisible(hasFooter());
    m_footer->update();
    m_applying = false;
}

void DataGrid::onSectionMoved(int logical, int oldVisual, int newVisual)
{
    if (m_applying)
        return;
    // The header keeps visual and logical order equal: undo its own move, then move the column.
    m_applying = true;
    m_header->moveSection(newVisual, oldVisual);
    m_applying = false;
    Q_UNUSED(logical);
    const int current = currentRow();
    m_model->moveColumn(oldVisual, newVisual);
    if (current >= 0)
        onDataSetCurrentChanged(current);
    emit columnsChanged();
}

void DataGrid::onSectionResized(int logical, int, int newSize)
{
    if (m_applying || logical < 0 || logical >= columnCount() ||
        m_header->isSectionHidden(logical) || newSize <= 0)
        return;
    GridColumn c = columnAt(logical);
    if (c.width == newSize)
        return;
    c.width = newSize;
    m_applying = true;
    m_model->setColumn(logical, c);
    m_applying = false;
}

QString DataGrid::cellText(int row, int column) const
{
    return m_model->cellText(row, column);
}

QString DataGrid::defaultCellText(int row, int column) const
{
    return m_model->defaultCellText(row, column);
}

void DataGrid::setCellTextHook(CellTextHook hook)
{
    m_model->setCellTextHook(std::move(hook));
}

void DataGrid::setRowPaintHook(RowPaintHook hook)
{
    m_model->setRowPaintHook(std::move(hook));
}

void DataGrid::markRowsWhere(const QString &field)
{
    setRowPaintHook([this, field](int row) -> std::optional<RowStyle> {
        if (!m_dataSet)
            return std::nullopt;
        const int column = m_dataSet->fieldIndex(field);
        if (column < 0)
            return std::nullopt;
        const QVariant v = m_dataSet->value(row, column);
        const bool marked =
            v.typeId() == QMetaType::QString
                ? (v.toString().compare(u"true", Qt::CaseInsensitive) == 0 || v.toString() == u"1")
                : m_dataSet->number(row, column) != 0.0;
        if (!marked)
            return std::nullopt;
        return RowStyle{QColor(Qt::red), palette().color(QPalette::Button)};
    });
}

bool DataGrid::hasFooter() const
{
    for (const GridColumn &c : columns())
        if (c.footerType != GridColumn::Footer::None)
            return true;
    return false;
}

QString DataGrid::footerText(int column) const
{
    return m_model->footerText(column);
}

void DataGrid::clickTitle(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    emit titleClicked(column);
    if (!m_sortOnTitleClick || !m_dataSet || !m_dataSet->isActive())
        return;
    GridColumn c = columnAt(column);
    c.sortMarker = TitleClickSort::nextMarker(c.sortMarker);
    m_model->setColumn(column, c);
    m_header->viewport()->update();
    if (TitleClickSort::sortsRows(c.fieldName))
        sortRows(TitleClickSort::sortText(c.fieldName, c.sortMarker));
}

void DataGrid::sortRows(const QString &sortText)
{
    if (m_dataSet)
        m_dataSet->setSort(sortText);
}

int DataGrid::currentRow() const
{
    return m_dataSet ? m_dataSet->currentRow() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (m_dataSet)
        m_dataSet->moveTo(row);
}

void DataGrid::onViewCurrentChanged(int row)
{
    if (m_syncing || !m_dataSet || row < 0 || row == m_dataSet->currentRow())
        return;
    m_syncing = true;
    m_dataSet->moveTo(row);
    m_syncing = false;
    emit currentRowChanged(row);
}

void DataGrid::onDataSetCurrentChanged(int row)
{
    if (m_syncing)
        return;
    m_syncing = true;
    QItemSelectionModel *selection = m_view->selectionModel();
    if (row < 0 || row >= m_model->rowCount()) {
        selection->clear();
    } else {
        int column = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : -1;
        if (column < 0 || m_view->isColumnHidden(column)) {
            column = 0;
            while (column < columnCount() - 1 && m_view->isColumnHidden(column))
                ++column;
        }
        const QModelIndex index = m_model->index(row, column);
        if (index.isValid()) {
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
            m_view->scrollTo(index);
        }
    }
    m_syncing = false;
    emit currentRowChanged(row);
}

void DataGrid::setMultiSelect(bool on)
{
    m_view->setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                                : QAbstractItemView::SingleSelection);
}

bool DataGrid::multiSelect() const
{
    return m_view->selectionMode() == QAbstractItemView::ExtendedSelection;
}

QList<int> DataGrid::selectedRows() const
{
    QList<int> rows;
    if (!multiSelect()) {
        if (currentRow() >= 0)
            rows.append(currentRow());
        return rows;
    }
    for (const QItemSelectionRange &range : m_view->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void DataGrid::commitCellEdit()
{
    QTableView *table = view();
    const QModelIndex index = table->currentIndex();
    if (QWidget *editor = table->indexWidget(index)) {
        QAbstractItemDelegate *delegate = table->itemDelegateForIndex(index);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::cancelCellEdit()
{
    QTableView *table = view();
    const QModelIndex index = table->currentIndex();
    if (QWidget *editor = table->indexWidget(index))
        emit table->itemDelegateForIndex(index)->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DataGrid::setEditable(bool on)
{
    m_editable = on;
    m_model->setEditable(on);
    m_view->setEditTriggers(on ? QAbstractItemView::DoubleClicked |
                                     QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed
                               : QAbstractItemView::NoEditTriggers);
}

void DataGrid::saveLayoutAsked()
{
    if (ShowMess(this, SaveLayoutQuestion, 1) == 1)
        SaveGridLayout(this, m_layoutKey);
}

void DataGrid::showPopup(const QPoint &pos)
{
    m_menu->popup(m_view->viewport()->mapToGlobal(pos));
}
