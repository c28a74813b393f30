#pragma once
#include <QAbstractTableModel>
#include <QStringList>

// The two columns of a group list: the key (0 for 全部, else the 1-based position) and the
// value. Plain strings in one list, so 20,000 plates fill at once.
class GroupListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const QString &allRow, QStringList values, const QString &title);
    QString value(int row) const
    {
        return row >= 0 && row < m_values.size() ? m_values.at(row) : QString();
    }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_values; // row 0 is 全部
    QString m_title;
};
