#pragma once
#include "forms/ListWindow.h"

class DetailPages;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// TfrmCARman, "车辆信息资料管理": the vehicle archive. The vehicles of the operator's units,
// narrowed by a search, the out-of-service switch and a group value, or found by the advanced
// query; under them the records of every kind of the current vehicle, one page per kind. Vehicles
// and records are added and changed through their editors.
class VehicleArchiveWindow : public ListWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("车辆信息资料管理");
    static inline const QString CountLabel = QStringLiteral("车辆总数：");
    static inline const QString ExportTitle = QStringLiteral("车辆信息资料");
    static inline const QString DeleteCaption = QStringLiteral("系统提示");

    explicit VehicleArchiveWindow(QWidget *parent = nullptr);

    DetailPages *details() const { return m_details; }
    static QString deleteQuestion(const QString &plate);

    void RefreshVehicles();
    void tbDelClick();
    // 高级查找...: down asks the query dialog for a statement, up returns to the filters.
    void SpeedButton1Click(bool down);

protected:
    void firstShow() override;

private:
    QWidget *buildSearchBar();
    void applyColumnFormats();
    void setAdvancedDown(bool down);
    void openRecordEditor(int page, bool change);

    QComboBox *ComboBox1;
    QLineEdit *Edit1;
    QPushButton *bbFind;
    QToolButton *SpeedButton1;
    QCheckBox *CheckBox2;
    DetailPages *m_details;
};
