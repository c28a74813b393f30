#include "PartnerKinds.h"

namespace {

using Like = SqlStatement::Like;

PartnerKind kind(const char *word, const char16_t *list, const char16_t *editor,
                 const char16_t *title, const char16_t *deleteHead, const char16_t *empty,
                 const char16_t *duplicate, const char16_t *hint, int command)
{
    PartnerKind k;
    k.word = QString::fromLatin1(word);
    k.table = QStringLiteral("T_") + k.word + QStringLiteral("office");
    k.listCaption = QString::fromUtf16(list);
    k.editorCaption = QString::fromUtf16(editor);
    k.recordTitle = QString::fromUtf16(title);
    k.exportTitle = k.recordTitle;
    k.deleteQuestionHead = QString::fromUtf16(deleteHead);
    k.emptyCodeMessage = QString::fromUtf16(empty);
    k.duplicateCodeMessage = QString::fromUtf16(duplicate);
    k.positionHint = QString::fromUtf16(hint);
    k.command = command;
    return k;
}

ListSearch search(const char16_t *caption, const char *field, Like match = Like::Contains)
{
    return {QString::fromUtf16(caption), QString::fromLatin1(field), match, {}, {}};
}

} // namespace

const QList<PartnerKind> &PartnerKinds::all()
{
    static const QList<PartnerKind> kinds{
        kind("WX", u"修理工厂资料管理", u"维修工厂资料管理", u"维修工厂资料",
             u"真的要删除当前工厂名称为 ", u"当前工厂编号不能为空！", u"工厂编号重复，请重新输入！",
             u"增加职务", 203),
        kind("BX", u"保险公司资料管理", u"保险公司资料管理", u"保险公司资料",
             u"真的要删除当前公司名称为 ", u"当前编号不能为空！", u"编号重复，请重新输入！",
             u"增加职务资料", 204),
        kind("SF", u"收费单位资料管理", u"收费单位资料管理", u"收费单位资料",
             u"真的要删除当前单位名称为 ", u"当前工厂编号不能为空！", u"工厂编号重复，请重新输入！",
             u"增加职务资料", 205),
    };
    return kinds;
}

const PartnerKind *PartnerKinds::byWord(const QString &word)
{
    for (const PartnerKind &k : all())
        if (k.word.compare(word, Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

const PartnerKind *PartnerKinds::byCommand(int command)
{
    for (const PartnerKind &k : all())
        if (k.command == command)
            return &k;
    return nullptr;
}

const QList<RecordColumn> &PartnerKinds::columns()
{
    static const QList<RecordColumn> columns{
        {QStringLiteral("F_code"), QStringLiteral("编号")},
        {QStringLiteral("F_name"), QStringLiteral("名称")},
        {QStringLiteral("F_empname"), QStringLiteral("联系人")},
        {QStringLiteral("F_ZWname"), QStringLiteral("职务")},
        {QStringLiteral("F_sex"), QStringLiteral("性别")},
        {QStringLiteral("F_phone"), QStringLiteral("电话")},
        {QStringLiteral("F_handPhone"), QStringLiteral("手机")},
        {QStringLiteral("F_email"), QStringLiteral("电子邮件")},
        {QStringLiteral("F_fax"), QStringLiteral("传真")},
        {QStringLiteral("F_QQ"), QStringLiteral("QQ")},
        {QStringLiteral("F_MSN"), QStringLiteral("MSN")},
        {QStringLiteral("F_postcode"), QStringLiteral("邮编")},
        {QStringLiteral("F_address"), QStringLiteral("地址")},
        {QStringLiteral("F_memo1"), QStringLiteral("备注")},
    };
    return columns;
}

const QList<ListSearch> &PartnerKinds::searches()
{
    static const QList<ListSearch> searches{
        search(u"编号", "f_code"),
        search(u"名称", "f_name"),
        search(u"联系人", "f_empname", Like::BeginsWith),
        {QStringLiteral("职务"),
         QStringLiteral("f_zwname"),
         Like::BeginsWith,
         QStringLiteral("zwname"),
         {}},
        {QStringLiteral("性别"),
         QStringLiteral("f_sex"),
         Like::BeginsWith,
         {},
         {QStringLiteral("男"), QStringLiteral("女")}},
        search(u"地址", "f_address"),
        search(u"备注", "f_memo1"),
    };
    return searches;
}
