#include "GridModel.h"

#include "db/DataSet.h"

#include <QBrush>

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setDataSet(DataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    beginResetModel();
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (m_dataSet) {
        connect(m_dataSet, &DataSet::rowsReset, this, &GridModel::dataSetReset);
        connect(m_dataSet, &DataSet::rowChanged, this, &GridModel::dataSetRowChanged);
        connect(m_dataSet, &QObject::destroyed, this, [this] {
            beginResetModel();
            m_dataSet = nullptr;
            prepareColumns();
            endResetModel();
            emit footerChanged();
        });
    }
    prepareColumns();
    endResetModel();
    emit footerChanged();
}

void GridModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    prepareColumns();
    endResetModel();
    emit footerChanged();
}

void GridModel::setColumn(int index, const GridColumn &column)
{
    if (index < 0 || index >= int(m_columns.size()))
        return;
    m_columns[std::size_t(index)] = column;
    prepareColumns();
    emit headerDataChanged(Qt::Horizontal, index, index);
    if (rowCount() > 0)
        emit dataChanged(this->index(0, index), this->index(rowCount() - 1, index));
    emit footerChanged();
}

void GridModel::moveColumn(int from, int to)
{
    const int count = int(m_columns.size());
    if (from == to || from < 0 || to < 0 || from >= count || to >= count)
        return;
    beginResetModel();
    GridColumn moved = std::move(m_columns[std::size_t(from)]);
    m_columns.erase(m_columns.begin() + from);
    m_columns.insert(m_columns.begin() + to, std::move(moved));
    prepareColumns();
    endResetModel();
    emit footerChanged();
}

int GridModel::fieldIndex(int column) const
{
    return column >= 0 && column < int(m_fieldIndex.size()) ? m_fieldIndex[std::size_t(column)]
                                                            : -1;
}

void GridModel::setCellTextHook(DataGrid::CellTextHook hook)
{
    m_cellTextHook = std::move(hook);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::setRowPaintHook(DataGrid::RowPaintHook hook)
{
    m_rowPaintHook = std::move(hook);
    m_styleRow = -1;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::prepareColumns()
{
    m_fieldIndex.clear();
    m_formatters.clear();
    for (const GridColumn &c : m_columns) {
        m_fieldIndex.push_back(m_dataSet ? m_dataSet->fieldIndex(c.fieldName) : -1);
        m_formatters.emplace_back(c.displayFormat);
    }
    m_styleRow = -1;
}

void GridModel::dataSetReset()
{
    beginResetModel();
    prepareColumns(); // new rows may bring other fields
    endResetModel();
    emit footerChanged();
}

void GridModel::dataSetRowChanged(int row)
{
    m_styleRow = -1;
    if (columnCount() > 0)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit footerChanged();
}

QString GridModel::defaultCellText(int row, int column) const
{
    const int field = fieldIndex(column);
    if (!m_dataSet || field < 0 || row < 0 || row >= m_dataSet->rowCount())
        return {};
    return m_formatters[std::size_t(column)].text(m_dataSet->rows(), m_dataSet->sourceRow(row),
                                                  field);
}

QString GridModel::cellText(int row, int column) const
{
    return m_cellTextHook ? m_cellTextHook(row, column) : defaultCellText(row, column);
}

QString GridModel::footerText(int column) const
{
    if (column < 0 || column >= int(m_columns.size()))
        return {};
    const GridColumn &c = m_columns[std::size_t(column)];
    switch (c.footerType) {
    case GridColumn::Footer::None:
        return {};
    case GridColumn::Footer::Text:
        return c.footerValue;
    case GridColumn::Footer::Sum:
        break;
    }
    const int field = fieldIndex(column);
    if (!m_dataSet || field < 0)
        return m_formatters[std::size_t(column)].numberText(0.0);
    if (m_sumRevision != m_dataSet->revision() ||
        m_sums.size() != std::size_t(m_dataSet->columnCount())) {
        m_sums.assign(std::size_t(m_dataSet->columnCount()), std::nullopt);
        m_sumRevision = m_dataSet->revision();
    }
    std::optional<double> &sum = m_sums[std::size_t(field)];
    if (!sum)
        sum = m_dataSet->sum(field);
    return m_formatters[std::size_t(column)].numberText(*sum);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_dataSet ? 0 : m_dataSet->rowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

std::optional<DataGrid::RowStyle> GridModel::rowStyle(int row) const
{
    if (!m_rowPaintHook)
        return std::nullopt;
    if (row != m_styleRow) {
        m_style = m_rowPaintHook(row);
        m_styleRow = row;
    }
    return m_style;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dataSet || index.row() >= m_dataSet->rowCount())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), column);
    case Qt::EditRole: {
        const int field = fieldIndex(column);
        return field < 0 ? QVariant() : QVariant(m_dataSet->text(index.row(), field));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[std::size_t(column)].alignment);
    case Qt::ForegroundRole:
        if (const auto style = rowStyle(index.row()); style && style->foreground.isValid())
            return QBrush(style->foreground);
        return {};
    case Qt::BackgroundRole:
        if (const auto style = rowStyle(index.row()); style && style->background.isValid())
            return QBrush(style->background);
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[std::size_t(section)].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && !m_columns[std::size_t(index.column())].readOnly &&
        fieldIndex(index.column()) >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !m_dataSet)
        return false;
    const int field = fieldIndex(index.column());
    const ResultSet &rows = m_dataSet->rows();
    const QString type = rows.declaredType(field).toUpper();
    const ResultSet::Kind kind = rows.kind(m_dataSet->sourceRow(index.row()), field);
    const bool numeric = kind == ResultSet::Kind::Integer || kind == ResultSet::Kind::Real ||
                         type.contains(u"INT") || type.contains(u"REAL") ||
                         type.contains(u"FLOA") || type.contains(u"DOUB") ||
                         type.contains(u"NUM") || type.contains(u"MONEY");
    QVariant stored = value;
    if (numeric && value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        bool ok = false;
        if (text.isEmpty()) {
            stored = QVariant();
        } else if (const qint64 i = text.toLongLong(&ok); ok && !type.contains(u"REAL")) {
            stored = i;
        } else if (const double d = text.toDouble(&ok); ok) {
            stored = d;
        } else {
            return false; // not a number: keep what the cell holds
        }
    }
    m_dataSet->setValue(index.row(), field, stored);
    return true;
}
