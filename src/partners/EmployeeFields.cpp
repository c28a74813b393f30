#include "EmployeeFields.h"

namespace {

EditorField row(const char *field, const char *param, const char *control,
                FieldKind kind = FieldKind::Text)
{
    return EditorField{QString::fromLatin1(field), QString::fromLatin1(param),
                       QString::fromLatin1(control), kind};
}

} // namespace

const QList<EditorField> &EmployeeFields::all()
{
    using K = FieldKind;
    static const QList<EditorField> fields{
        row("F_Code", "Code", "edtCode"),
        row("F_Name", "Name", "edtName"),
        row("F_Sex", "Sex", "cbbSex", K::EditablePickList),
        row("F_dept", "Dept", "cbbDept", K::PickList),
        row("F_xueLI", "xueLI", "cbbXueLI", K::PickList),
        row("F_SFZcode", "SFZcode", "edtSFZcode"),
        row("F_SRdate", "SRdate", "dtpSRdate", K::OptionalDate),
        row("F_jiguan", "jiguan", "edtJiguan"),
        row("F_RZdate", "RZdate", "dtpRZdate", K::Date),
        row("F_Address", "address", "edtAddress"),
        row("F_phone", "Phone", "edtPhone"),
        row("F_HandPhone", "HandPhone", "edtHandPhone"),
        row("F_JSZcode", "JSZcode", "edtJSZcode"),
        row("F_LZdate", "LZdate", "dtpLZdate", K::Date),
        row("F_ZJcltype", "ZJcltype", "cbbZJcltype", K::EditablePickList),
        row("F_JSnl", "JSnl", "cbbJSnl", K::EditablePickList),
        row("F_UseFlag", "UseFlag", "cbUseFlag", K::Boolean),
        row("F_memo1", "Memo1", "Memo1", K::Memo),
        row("F_empImage", "EmpImage", "Image1", K::Picture),
        row("F_imagePath", "ImagePath", "Image1", K::PictureName),
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
