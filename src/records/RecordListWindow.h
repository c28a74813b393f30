#pragma once
#include "db/RecordKinds.h"
#include "forms/ListWindow.h"

class DatePicker;
class QComboBox;
class QLineEdit;
class QToolButton;

// TfrmCL..InfoMan: the list window of one record kind (every kind the same window, read from
// its row of RecordKinds): the records of a period, a search text and a group value, new,
// change and delete through the kind's editor, browse, print, design and export.
class RecordListWindow : public ListWindow {
    Q_OBJECT
public:
    static inline const QString CountLabel = QStringLiteral("记录数：");

    RecordListWindow(const RecordKind &kind, QWidget *parent = nullptr);

    const RecordKind &kind() const { return m_kind; }
    // The period the window opens with; by default the first of this month up to today.
    void setOpeningPeriod(const QDate &from, const QDate &to);

    void RefreshRecords();

    QString reportValue(const QString &name) override;

protected:
    void firstShow() override;

private:
    QWidget *buildFilterBar();
    void addReportMenus();

    const RecordKind &m_kind;
    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    DatePicker *dtpFromDate;
    DatePicker *dtpToDate;
    QDate m_openFrom;
    QDate m_openTo;
};
