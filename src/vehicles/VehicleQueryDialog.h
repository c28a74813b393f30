#pragma once
#include "VehicleCriteria.h"

#include "db/SqlStatement.h"

#include <QDialog>

class DatePicker;
class QCheckBox;
class QGridLayout;
class QPushButton;
class QRadioButton;

// TDlgCarinfoCX: the vehicle archive's 高级查找. The operator fills in any of the vehicle
// criteria; the dialog returns the statement on T_cars that finds them (VehicleQuery).
//
//   VehicleQueryDialog dialog(this);
//   const SqlStatement query = dialog.QueryText();
//   if (!query.sql.isEmpty())
//       dm().OpenQuery(query, dataSet);
class VehicleQueryDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("车辆信息查询对话框");

    explicit VehicleQueryDialog(QWidget *parent = nullptr);

    // Fills the pick lists and dates, shows the dialog modally and returns the statement when
    // the operator pressed 查询; an empty statement (empty sql) otherwise.
    SqlStatement QueryText();

    // The criteria as the inputs stand.
    VehicleCriteria criteria() const;

private:
    void createInputs(QGridLayout *grid);
    QWidget *createDateGroup();
    void prepareInputs();

    QRadioButton *rbAll;
    QRadioButton *rbInService;
    QRadioButton *rbOutOfService;
    QCheckBox *cbSCdate;
    DatePicker *dtpSCdate1;
    DatePicker *dtpSCdate2;
    QCheckBox *cbBuyDate;
    DatePicker *dtpBuyDate1;
    DatePicker *dtpBuyDate2;
    QPushButton *btnQuery;
    QPushButton *btnClose;
    QList<QWidget *> m_inputs; // in tab order
};
