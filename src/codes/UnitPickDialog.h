#pragma once
#include <QDialog>

class QListWidget;
class QPushButton;

// TDlgXzCltStr: checks any number of owning units (codes of type gsoffice) and returns them as a
// stored unit list. The caller sets the caption before the call.
class UnitPickDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("单位选择");
    static inline const QString NoUnitsMessage = QStringLiteral("没有公司选择！");

    explicit UnitPickDialog(QWidget *parent = nullptr);

    // Shows the units with those of `current` checked. On 确定 result is the list of the checked
    // units ('A','B', quotes inside a name doubled; empty when none is checked); on 取消, or when
    // there is no unit to choose from, result is `current`. True when confirmed.
    bool PickUnits(const QString &current, QString &result);

    QListWidget *itemList() const { return clbItemList; }

private:
    bool fillUnits();

    QListWidget *clbItemList;
    QPushButton *btnOK;
    QPushButton *btnCancel;
};
