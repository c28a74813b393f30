#include "PartnerFields.h"

const QList<EditorField> &PartnerFields::all()
{
    using K = FieldKind;
    static const QList<EditorField> fields{
        fieldRow("F_code", "code", "edtcode"),
        fieldRow("F_name", "name", "edtName"),
        fieldRow("F_empName", "empName", "edtEmpName"),
        fieldRow("F_ZWname", "ZWname", "cbbZWname", K::EditablePickList),
        fieldRow("F_sex", "sex", "cbbSex", K::EditablePickList),
        fieldRow("F_phone", "phone", "edtPhone"),
        fieldRow("F_handPhone", "handPhone", "edtHandPhone"),
        fieldRow("F_fax", "fax", "edtFax"),
        fieldRow("F_postcode", "Postcode", "edtPostcode"),
        fieldRow("F_QQ", "QQ", "edtQQ"),
        fieldRow("F_MSN", "MSN", "edtMSN"),
        fieldRow("F_address", "address", "edtAddress"),
        fieldRow("F_email", "email", "edtEmail"),
        fieldRow("F_memo1", "memo1", "Memo1", K::Memo),
        fieldRow("F_useFlag", "useFlag", "cbUseFlag", K::Boolean),
    };
    return fields;
}
