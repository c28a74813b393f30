#include "PartnerFields.h"

namespace {

EditorField row(const char *field, const char *param, const char *control,
                FieldKind kind = FieldKind::Text)
{
    return EditorField{QString::fromLatin1(field), QString::fromLatin1(param),
                       QString::fromLatin1(control), kind};
}

} // namespace

const QList<EditorField> &PartnerFields::all()
{
    using K = FieldKind;
    static const QList<EditorField> fields{
        row("F_code", "code", "edtcode"),
        row("F_name", "name", "edtName"),
        row("F_empName", "empName", "edtEmpName"),
        row("F_ZWname", "ZWname", "cbbZWname", K::EditablePickList),
        row("F_sex", "sex", "cbbSex", K::EditablePickList),
        row("F_phone", "phone", "edtPhone"),
        row("F_handPhone", "handPhone", "edtHandPhone"),
        row("F_fax", "fax", "edtFax"),
        row("F_postcode", "Postcode", "edtPostcode"),
        row("F_QQ", "QQ", "edtQQ"),
        row("F_MSN", "MSN", "edtMSN"),
        row("F_address", "address", "edtAddress"),
        row("F_email", "email", "edtEmail"),
        row("F_memo1", "memo1", "Memo1", K::Memo),
        row("F_useFlag", "useFlag", "cbUseFlag", K::Boolean),
    };
    return fields;
}
