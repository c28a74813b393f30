#pragma once
#include "SortDialogRows.h"

#include <QDialog>
#include <vector>

class DataGrid;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The sort dialog (TfrmRowArrangeGl, "排序对话框"): one row per grid column with its title and a
// direction (empty, "升序", "降序"); a double-click cycles the direction, "上移"/"下移" (or a drag)
// change the priority, "确定" builds the sort text ("f_a ASC,f_b DESC,"). The rows carry their
// field names, so equal titles do not mix up their columns.
class SortDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("排序对话框");
    static inline const QString Hint =
        QStringLiteral("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序");

    // One entry per grid column in column order: lower-cased field name and title.
    struct MyRecord {
        QString field;
        QString title;
    };

    explicit SortDialog(QWidget *parent = nullptr);

    void setGrid(const DataGrid *grid);
    // Runs the dialog over the grid's columns; on "确定" sortText receives the result and the
    // call returns true, otherwise sortText keeps its value.
    static bool execute(DataGrid *grid, QString &sortText);

    const std::vector<MyRecord> &records() const { return m_records; }
    QString result() const { return m_result; }
    std::vector<SortDialogRows::Row> rows() const; // the list as it stands, top to bottom

    QTreeWidget *list() const { return m_list; }
    QPushButton *upButton() const { return m_up; }
    QPushButton *downButton() const { return m_down; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    void vle1DblClick();
    void Button1Click(); // 上移
    void Button2Click(); // 下移
    void Button3Click(); // 确定

private:
    void moveCurrent(int delta);

    std::vector<MyRecord> m_records;
    QTreeWidget *m_list;
    QPushButton *m_up;
    QPushButton *m_down;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QString m_result;
};

// What a window calls for its grid's "排序" command: runs the sort dialog and applies its text as
// the grid's client-side sort. The text starts empty, so cancelling removes the sort.
void SortGridRows(DataGrid *grid);
