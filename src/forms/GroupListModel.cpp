#include "GroupListModel.h"

void GroupListModel::reset(const QString &allRow, QStringList values, const QString &title)
{
    beginResetModel();
    values.prepend(allRow);
    m_values = std::move(values);
    m_title = title;
    endResetModel();
}

int GroupListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_values.size());
}

int GroupListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant GroupListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    if (index.column() == 0)
        return QString::number(index.row());
    return m_values.value(index.row());
}

QVariant GroupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == 1 ? m_title : QString();
}
