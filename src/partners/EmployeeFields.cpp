#include "EmployeeFields.h"

const QList<EditorField> &EmployeeFields::all()
{
    using K = FieldKind;
    static const QList<EditorField> fields{
        fieldRow("F_Code", "Code", "edtCode"),
        fieldRow("F_Name", "Name", "edtName"),
        fieldRow("F_Sex", "Sex", "cbbSex", K::EditablePickList),
        fieldRow("F_dept", "Dept", "cbbDept", K::PickList),
        fieldRow("F_xueLI", "xueLI", "cbbXueLI", K::PickList),
        fieldRow("F_SFZcode", "SFZcode", "edtSFZcode"),
        fieldRow("F_SRdate", "SRdate", "dtpSRdate", K::OptionalDate),
        fieldRow("F_jiguan", "jiguan", "edtJiguan"),
        fieldRow("F_RZdate", "RZdate", "dtpRZdate", K::Date),
        fieldRow("F_Address", "address", "edtAddress"),
        fieldRow("F_phone", "Phone", "edtPhone"),
        fieldRow("F_HandPhone", "HandPhone", "edtHandPhone"),
        fieldRow("F_JSZcode", "JSZcode", "edtJSZcode"),
        fieldRow("F_LZdate", "LZdate", "dtpLZdate", K::Date),
        fieldRow("F_ZJcltype", "ZJcltype", "cbbZJcltype", K::EditablePickList),
        fieldRow("F_JSnl", "JSnl", "cbbJSnl", K::EditablePickList),
        fieldRow("F_UseFlag", "UseFlag", "cbUseFlag", K::Boolean),
        fieldRow("F_memo1", "Memo1", "Memo1", K::Memo),
        fieldRow("F_empImage", "EmpImage", "Image1", K::Picture),
        fieldRow("F_imagePath", "ImagePath", "Image1", K::PictureName),
    };
    return fields;
}

const QStringList &EmployeeFields::tabOrder()
{
    static const QStringList order{
        QStringLiteral("edtCode"),    QStringLiteral("edtName"),   QStringLiteral("cbbSex"),
        QStringLiteral("cbbDept"),    QStringLiteral("cbbXueLI"),  QStringLiteral("edtSFZcode"),
        QStringLiteral("dtpSRdate"),  QStringLiteral("edtJiguan"), QStringLiteral("dtpRZdate"),
        QStringLiteral("edtAddress"), QStringLiteral("edtPhone"),  QStringLiteral("edtHandPhone"),
        QStringLiteral("edtJSZcode"), QStringLiteral("dtpLZdate"), QStringLiteral("cbbZJcltype"),
        QStringLiteral("cbbJSnl"),    QStringLiteral("Memo1"),     QStringLiteral("cbUseFlag")};
    return order;
}
