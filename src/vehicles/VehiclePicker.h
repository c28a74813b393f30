#pragma once
#include "forms/ListWindow.h"

#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

// TDLGcarXZ, "车辆资料选择": the record editors' choice of a vehicle. Quick filters on plate,
// model and engine number (contains), the group panel, and 新增车辆 through the vehicle editor.
// Every vehicle can be chosen: out-of-service ones and those of other units too.
class VehiclePicker : public ListWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("车辆资料选择");
    static inline const QString LayoutKey = QStringLiteral("dlgcarxz");

    struct Picked {
        qint64 id = 0;
        QString plate;
    };

    explicit VehiclePicker(QWidget *parent = nullptr);

    // PickVehicle: shows the picker modally; the confirmed vehicle, or nothing when the picker
    // was closed or its list was empty (the caller's vehicle and plate then stay).
    std::optional<Picked> PickVehicle();

    // The picker's statement for the quick filter texts and the group filter.
    static SqlStatement statement(const QString &plate, const QString &model, const QString &engine,
                                  const SqlStatement &group);

    void refresh();
    void BitBtn4Click(); // 新增车辆
    void confirm();      // 确定 and a double click

protected:
    void firstShow() override;

private:
    QLineEdit *edtCode;
    QLineEdit *edtXingHao;
    QLineEdit *edtFDJcode;
    bool m_confirmed = false;
};
