#include "EmployeeTable.h"

namespace {

using Like = SqlStatement::Like;

ListSearch typed(const char16_t *caption, const char *field, Like match)
{
    return {QString::fromUtf16(caption), QString::fromLatin1(field), match, {}, {}};
}

ListSearch coded(const char16_t *caption, const char *field, const char *codeType)
{
    return {QString::fromUtf16(caption),
            QString::fromLatin1(field),
            Like::BeginsWith,
            QString::fromLatin1(codeType),
            {}};
}

} // namespace

const QList<RecordColumn> &EmployeeTable::columns()
{
    static const QList<RecordColumn> columns{
        {QStringLiteral("F_code"), QStringLiteral("工号")},
        {QStringLiteral("F_name"), QStringLiteral("姓名")},
        {QStringLiteral("F_sex"), QStringLiteral("性别")},
        {QStringLiteral("F_SFZcode"), QStringLiteral("身份证号")},
        {QStringLiteral("F_xueLI"), QStringLiteral("学历")},
        {QStringLiteral("F_SRdate"), QStringLiteral("生日")},
        {QStringLiteral("F_jiguan"), QStringLiteral("籍贯")},
        {QStringLiteral("F_phone"), QStringLiteral("电话")},
        {QStringLiteral("F_handPhone"), QStringLiteral("手机")},
        {QStringLiteral("F_dept"), QStringLiteral("部门")},
        {QStringLiteral("F_RZdate"), QStringLiteral("入职日期")},
        {QStringLiteral("F_address"), QStringLiteral("联系地址")},
        {QStringLiteral("F_JSZcode"), QStringLiteral("驾驶证号")},
        {QStringLiteral("F_LZdate"), QStringLiteral("领证日期")},
        {QStringLiteral("F_ZJcltype"), QStringLiteral("准驾证型")},
        {QStringLiteral("F_JSnl"), QStringLiteral("驾龄")},
        {QStringLiteral("F_memo1"), QStringLiteral("备注")},
    };
    return columns;
}

const QList<ListSearch> &EmployeeTable::searches()
{
    static const QList<ListSearch> searches{
        typed(u"工号", "f_code", Like::BeginsWith),
        typed(u"姓名", "f_name", Like::Contains),
        {QStringLiteral("性别"),
         QStringLiteral("f_sex"),
         Like::BeginsWith,
         {},
         {QStringLiteral("男"), QStringLiteral("女")}},
        typed(u"身份证号", "f_SFZcode", Like::Contains),
        coded(u"学历", "f_xueLI", "xueli"),
        typed(u"籍贯", "f_jiguan", Like::Contains),
        coded(u"部门", "f_dept", "dept"),
        typed(u"联系地址", "f_Address", Like::Contains),
        typed(u"驾驶证号", "f_JSZcode", Like::BeginsWith),
        coded(u"准驾车型", "f_zjclType", "zjcltype"),
        coded(u"驾龄", "f_jsnl", "jsnl"),
        typed(u"备注", "f_Memo1", Like::Contains),
    };
    return searches;
}
