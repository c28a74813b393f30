#pragma once
#include "NumberedEditor.h"

class PictureSlot;

// TfrmEmpEdit, "员工档案编辑": adds an employee or changes the employee list's current one,
// with a photo chosen through the image viewer.
class EmployeeEditor : public NumberedEditor {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("员工档案信息");
    static inline const QString EmptyCodeMessage = QStringLiteral("当前员工编号不能为空！");
    static inline const QString DuplicateCodeMessage = QStringLiteral("员工编号重复，请重新输入！");

    explicit EmployeeEditor(QWidget *parent = nullptr);

    PictureSlot *photo() const;

protected:
    void fillLists() override;

private:
    QWidget *buildInputs();
    QWidget *buildPhoto();
};
