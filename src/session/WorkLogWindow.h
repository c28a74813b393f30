#pragma once
#include "forms/ListWindow.h"

class DatePicker;
class QComboBox;

// TfrmRZlistGL, "工作日志管理": browses, prints, exports and clears the work log. The grid stays
// empty until the first query; clearing removes only the entries of the last query.
class WorkLogWindow : public ListWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("工作日志管理");
    static inline const QString LayoutKey = QStringLiteral("rzlistgl");
    static inline const QString ListTitle = QStringLiteral("工作日志列表");
    static inline const QString ClearQuestion =
        QStringLiteral("真的要清除当前所有工作日志记录吗？");

    explicit WorkLogWindow(QWidget *parent = nullptr);

    DataSet *log() { return rows(); }

    void tbQueryClick();
    void tbClearClick();

protected:
    void firstShow() override;

private:
    DatePicker *dtpFrom;
    DatePicker *dtpTo;
    QComboBox *cbbOperType;
    QComboBox *cbbEmpName;
};
