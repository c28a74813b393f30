#pragma once
#include <QDialog>
#include <QPointer>
#include <QStringList>

class DataGrid;
class QListWidget;
class QPushButton;

// The column chooser (TFrmDispFieldXZ, "字段列表"): one ticked line per grid column, hidden ones
// included, in the grid's column order. "确定" shows and hides the grid's columns by their ticks
// and fills flags() with "1" / "0" per column; "取消" (or Esc) changes nothing and leaves flags()
// empty. The title bar has no buttons: the dialog ends only through its two buttons.
class ColumnChooserDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("字段列表");

    explicit ColumnChooserDialog(QWidget *parent = nullptr);

    // Fills the list from the grid, clears the flags and runs the dialog.
    int execFor(DataGrid *grid);
    void setGrid(DataGrid *grid);
    QStringList flags() const { return m_flags; }

    QListWidget *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    void accept() override;

private:
    QPointer<DataGrid> m_grid;
    QListWidget *m_list;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QStringList m_flags;
};
