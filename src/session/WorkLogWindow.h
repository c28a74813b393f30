#pragma once
#include <QDialog>

class BrowseButtons;
class DataGrid;
class DataSet;
class DatePicker;
class QAction;
class QComboBox;
class QLabel;

// TfrmRZlistGL, "工作日志管理": browses, prints, exports and clears the work log. The grid stays
// empty until the first query; clearing removes only the entries of the last query.
class WorkLogWindow : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("工作日志管理");
    static inline const QString LayoutKey = QStringLiteral("rzlistgl");
    static inline const QString ListTitle = QStringLiteral("工作日志列表");
    static inline const QString ClearQuestion =
        QStringLiteral("真的要清除当前所有工作日志记录吗？");

    explicit WorkLogWindow(QWidget *parent = nullptr);

    DataSet *log() const { return m_log; }
    DataGrid *grid() const { return DBGridEh1; }

    void tbQueryClick();
    void tbClearClick();
    void tbPrintClick();
    void tbExportClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addTool(const QString &objectName, const QString &text);
    void showCount();

    DataSet *m_log;
    DataGrid *DBGridEh1;
    DatePicker *dtpFrom;
    DatePicker *dtpTo;
    QComboBox *cbbOperType;
    QComboBox *cbbEmpName;
    QAction *tbQuery;
    QAction *tbClear;
    QAction *tbFirst;
    QAction *tbPrior;
    QAction *tbNext;
    QAction *tbLast;
    QAction *tbPrint;
    QAction *tbExport;
    QAction *tbExit;
    BrowseButtons *m_browse;
    QList<QLabel *> m_panels;
    class QToolBar *m_toolBar;
    bool m_shown = false;
};
