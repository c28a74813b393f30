#include "VehicleFields.h"

namespace {

QList<EditorField> makeFields()
{
    using K = FieldKind;
    QList<EditorField> f{
        fieldRow("F_Code", "code", "edtCode", K::Text),
        fieldRow("F_pinPai", "pinPai", "cbbPinPai", K::PickList),
        fieldRow("F_xingHao", "xingHao", "edtXingHao", K::Text),
        fieldRow("F_type", "type", "cbbType", K::PickList),
        fieldRow("F_FDJcode", "FDJcode", "edtFDJcode", K::Text),
        fieldRow("F_dipan", "dipan", "edtDipan", K::Text),
        fieldRow("F_yanSE", "yanSE", "cbbYanSE", K::EditablePickList),
        fieldRow("F_zaiZhong", "zaiZhong", "edtZaizhong", K::Text),
        fieldRow("F_zuoWei", "zuoWei", "edtZuoWei", K::Text),
        fieldRow("F_buyPrice", "buyPrice", "ceBuyPrice", K::Currency),
        fieldRow("F_SCdate", "SCdate", "dtpSCdate", K::OptionalDate),
        fieldRow("F_buyDate", "buyDate", "dtpBuyDate", K::Date),
        fieldRow("F_JSempname", "JSempname", "cbbJSempname", K::EditablePickList),
        fieldRow("F_GSoffice", "GSoffice", "cbbGSoffice", K::PickList),
        fieldRow("F_UseFlag", "useFlag", "cbUseFlag", K::Boolean),
        fieldRow("F_memo1", "memo1", "Memo1", K::Memo),
    };
    for (int n = 1; n <= 3; ++n) {
        const QString slot = QStringLiteral("Image%1").arg(n);
        f << EditorField{QStringLiteral("F_carImage%1").arg(n), QStringLiteral("carImage%1").arg(n),
                         slot, K::Picture}
          << EditorField{QStringLiteral("F_imagePath%1").arg(n),
                         QStringLiteral("imagePath%1").arg(n), slot, K::PictureName};
    }
    for (int n = 1; n <= 5; ++n)
        f << EditorField{QStringLiteral("F_ZF%1").arg(n), QStringLiteral("ZF%1").arg(n),
                         QStringLiteral("edtZF%1").arg(n), K::Text, false};
    for (int n = 1; n <= 3; ++n)
        f << EditorField{QStringLiteral("F_SZ%1").arg(n), QStringLiteral("SZ%1").arg(n),
                         QStringLiteral("rceSZ%1").arg(n), K::Number};
    for (int n = 1; n <= 3; ++n)
        f << EditorField{QStringLiteral("F_RQ%1").arg(n), QStringLiteral("RQ%1").arg(n),
                         QStringLiteral("dtpRQ%1").arg(n), K::OptionalDate};
    return f;
}

} // namespace

const QList<EditorField> &VehicleFields::all()
{
    static const QList<EditorField> fields = makeFields();
    return fields;
}

const QStringList &VehicleFields::customControls()
{
    static const QStringList controls{
        QStringLiteral("edtZF1"), QStringLiteral("edtZF2"), QStringLiteral("edtZF3"),
        QStringLiteral("edtZF4"), QStringLiteral("edtZF5"), QStringLiteral("rceSZ1"),
        QStringLiteral("rceSZ2"), QStringLiteral("rceSZ3"), QStringLiteral("dtpRQ1"),
        QStringLiteral("dtpRQ2"), QStringLiteral("dtpRQ3")};
    return controls;
}

int VehicleFields::customCaptionRow(const QString &field)
{
    static const QStringList tokens{
        QStringLiteral("zf1"), QStringLiteral("zf2"), QStringLiteral("zf3"), QStringLiteral("zf4"),
        QStringLiteral("zf5"), QStringLiteral("sz1"), QStringLiteral("sz2"), QStringLiteral("sz3"),
        QStringLiteral("rq1"), QStringLiteral("rq2"), QStringLiteral("rq3")};
    const QString lower = field.toLower();
    for (int i = 0; i < tokens.size(); ++i)
        if (lower.contains(tokens.at(i)))
            return i + 1;
    return 0;
}
