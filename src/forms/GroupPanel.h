#pragma once
#include "db/SqlStatement.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QPushButton;
class QTableView;
class GroupListModel;

// One way of grouping a list: the item of the type box, the title over the value column, the
// query of the distinct values (one column F_name) and the field the chosen value is compared
// with.
struct GroupType {
    QString item;
    QString title;
    SqlStatement query;
    QString field;
};

// The group panel of the list windows, the vehicle archive and the vehicle picker (Panel3): the
// value list vleList (row 1 "全部" with key "0", then one row per distinct value with its 1-based
// position as key), the type box cbbListType and the button 刷新列表. Choosing a type or pressing
// 刷新列表 refills the list and asks the window to refresh; so does choosing a row.
class GroupPanel : public QWidget {
    Q_OBJECT
public:
    static inline const QString AllRow = QStringLiteral("全部");
    static inline const QString RefreshCaption = QStringLiteral("刷新列表");
    static constexpr int PanelWidth = 135;

    explicit GroupPanel(QWidget *parent = nullptr);

    void setTypes(QList<GroupType> types);
    const QList<GroupType> &types() const { return m_types; }

    // FillGroupList: the values of the type, 全部 selected, then a refresh of the window.
    void fillGroupList(int typeIndex);
    int currentType() const;
    // True when 全部 (or nothing) is chosen.
    bool isAll() const;
    QString currentValue() const;
    // Chooses a value row (0 is 全部) as a click would.
    void chooseRow(int row);
    int rowCount() const;
    QString valueAt(int row) const;

    // "and <field> = :groupValue " with the chosen value bound; empty for 全部.
    SqlStatement filter() const;

    QTableView *list() const { return m_list; }
    QComboBox *typeBox() const { return m_typeBox; }

signals:
    // The window's list must be built again (a row was chosen or the list refilled).
    void refreshRequested();

private:
    void onRowChosen();

    QList<GroupType> m_types;
    QTableView *m_list;
    GroupListModel *m_model;
    QComboBox *m_typeBox;
    QPushButton *m_refresh;
    bool m_filling = false;
};
