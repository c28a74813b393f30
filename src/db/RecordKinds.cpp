#include "RecordKinds.h"

namespace {

using K = RecordInputKind;
using F = NumberFormatKind;

const QString Shops = QStringLiteral("select F_name from T_WXoffice where f_useFlag = false ");
const QString Insurers = QStringLiteral("select F_name from T_BXoffice where f_useFlag = false ");
const QString FeeUnits = QStringLiteral("select F_name from T_SFoffice where f_useFlag = false ");
const QString Employees = QStringLiteral("select F_name from T_employee where f_useFlag = false ");

// An input row. The control's prefix gives the kind (cbb drop-down, dtp date, ce money,
// rce number, edt text); flags: '*' asterisk, '?' optional date, 'M' memo, 'R' read-only,
// '1' / '2' the accident editor's second and third page.
RecordInput in(const char16_t *label, const char *control, const char *param,
               const char *flags = "")
{
    RecordInput row;
    row.label = QString::fromUtf16(label);
    row.control = QString::fromLatin1(control);
    row.param = QString::fromLatin1(param);
    const QString f = QString::fromLatin1(flags);
    if (row.control.startsWith(QLatin1String("cbb")))
        row.kind = K::List;
    else if (row.control.startsWith(QLatin1String("dtp")))
        row.kind = f.contains(QLatin1Char('?')) ? K::OptionalDate : K::Date;
    else if (row.control.startsWith(QLatin1String("ce")))
        row.kind = K::Money;
    else if (row.control.startsWith(QLatin1String("rce")))
        row.kind = K::Number;
    if (f.contains(QLatin1Char('M')))
        row.kind = K::Memo;
    row.asterisk = f.contains(QLatin1Char('*'));
    row.readOnly = f.contains(QLatin1Char('R'));
    row.page = f.contains(QLatin1Char('1')) ? 1 : f.contains(QLatin1Char('2')) ? 2 : 0;
    return row;
}

RecordInput picture(int n, bool name)
{
    RecordInput row;
    row.control = QStringLiteral("Image%1").arg(n);
    row.param = name ? QStringLiteral("imagePath%1").arg(n) : QStringLiteral("SGimage%1").arg(n);
    row.kind = name ? K::PictureName : K::Picture;
    row.page = 2;
    return row;
}

RecordInput memo1(const char *flags = "")
{
    return in(u"备    注：", "Memo1", "memo1", (QByteArray("M") + flags).constData());
}

RecordCheck notEmpty(const char *control, const char16_t *message)
{
    return {QString::fromLatin1(control), false, QString::fromUtf16(message)};
}

RecordCheck positive(const char *control, const char16_t *message)
{
    return {QString::fromLatin1(control), true, QString::fromUtf16(message)};
}

QList<RecordColumn> columns(std::initializer_list<std::pair<const char *, const char16_t *>> list)
{
    QList<RecordColumn> result{{QStringLiteral("F_CPcode"), QStringLiteral("车牌")}};
    for (const auto &[field, title] : list)
        result.append({QString::fromLatin1(field), QString::fromUtf16(title)});
    return result;
}

ColumnFormatRule equals(const char *field, F format = F::Amount)
{
    return {false, QString::fromLatin1(field), format};
}

ColumnFormatRule contains(const char *text, F format)
{
    return {true, QString::fromLatin1(text), format};
}

RecordGroup group(const char16_t *item, const char *field, const char16_t *caption = nullptr)
{
    return {QString::fromUtf16(item), QString::fromUtf16(caption ? caption : item),
            QString::fromLatin1(field)};
}

RecordSearch search(const char16_t *caption, const char *field)
{
    return {QString::fromUtf16(caption), QString::fromLatin1(field)};
}

RecordPickButton pick(const char *button, const char *type, const char16_t *caption,
                      const char *target)
{
    return {QString::fromLatin1(button), QString::fromLatin1(type), QString::fromUtf16(caption),
            QString::fromLatin1(target)};
}

RecordKind kind(int number, const char *word, const char *table, const char16_t *subject,
                const char16_t *prefix, const char *dateField, const char16_t *recordWord,
                const char16_t *archiveItem)
{
    RecordKind k;
    k.number = number;
    k.word = QString::fromLatin1(word);
    k.table = QString::fromLatin1(table);
    const QString s = QString::fromUtf16(subject);
    k.listCaption = QStringLiteral("车辆") + s + QStringLiteral("管理");
    k.recordTitle = QStringLiteral("车辆") + s;
    k.exportTitle = k.recordTitle;
    k.datePrefix = QString::fromUtf16(prefix);
    k.dateField = QString::fromLatin1(dateField);
    k.dateLabel = k.datePrefix + QStringLiteral("日期：自");
    k.recordWord = QString::fromUtf16(recordWord);
    k.archiveItem = QString::fromUtf16(archiveItem);
    return k;
}

QList<RecordKind> makeKinds()
{
    QList<RecordKind> kinds;

    RecordKind wx =
        kind(1, "wx", "T_WXrec", u"维修记录", u"维修", "F_WXdate", u"维修", u"维修记录");
    wx.searches = {search(u"维修说明", "f_WXmemo1"), search(u"备    注", "f_memo1")};
    wx.groups = {group(u"维修类型", "F_WXtype"), group(u"维修工厂", "F_WXoffice"),
                 group(u"驾 驶 员", "F_JSempname")};
    wx.columns = columns({{"F_WXtype", u"维修类型"},
                          {"F_WXdate", u"维修日期"},
                          {"F_WXdayNum", u"维修天数"},
                          {"F_WXmemo1", u"维修说明"},
                          {"F_WXoffice", u"维修工厂"},
                          {"F_WXprice", u"维修金额"},
                          {"F_JSempName", u"驾驶员"},
                          {"F_memo1", u"备注"}});
    wx.columnFormats = {equals("f_wxprice")};
    wx.inputs = {in(u"维修类型：", "cbbWXtype", "WXtype", "*"),
                 in(u"维修日期：", "dtpWXdate", "WXdate", "*"),
                 in(u"维修天数：", "edtWXdayNum", "WXdayNum"),
                 in(u"维修说明：", "wxMemo1", "WXmemo1", "M"),
                 in(u"维修工厂：", "cbbWXoffice", "WXoffice"),
                 in(u"维修金额：", "ceWXprice", "WXprice"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname"),
                 memo1()};
    wx.checks = {notEmpty("cbbWXtype", u"维修类型不能为空！")};
    wx.codeLists = {{QStringLiteral("wxtype"), QStringLiteral("cbbWXtype")}};
    wx.pickButtons = {pick("sbWXtype", "wxtype", u"维修类型资料", "cbbWXtype")};
    wx.enterLists = {{QStringLiteral("cbbWXoffice"), Shops},
                     {QStringLiteral("cbbJSempname"), Employees}};
    wx.inputFormats = {{QStringLiteral("ceWXprice"), F::Amount}};
    kinds << wx;

    RecordKind tb =
        kind(2, "tb", "T_TBrec", u"投保记录", u"投保", "F_TBdate", u"投保", u"投保记录");
    tb.nextDateField = QStringLiteral("F_NextTBdate");
    tb.searches = {search(u"保 单 号", "f_BDcode"), search(u"备    注", "f_memo1")};
    tb.groups = {group(u"保险类型", "F_BXtype"), group(u"保险公司", "F_BXoffice")};
    tb.columns = columns({{"F_BXtype", u"保险类型"},
                          {"F_BXoffice", u"保险公司"},
                          {"F_BDcode", u"保单号"},
                          {"F_TBdate", u"投保日期"},
                          {"F_TBprice", u"投保金额"},
                          {"F_TBrate", u"投保额度"},
                          {"F_NextTBdate", u"下次投保日期"},
                          {"F_memo1", u"备注"}});
    tb.columnFormats = {equals("f_tbprice")};
    tb.inputs = {in(u"保险类型：", "cbbBXtype", "BXtype", "*"),
                 in(u"保险公司：", "cbbBXoffice", "BXoffice", "*"),
                 in(u"保 单 号：", "edtBDcode", "BDcode", "*"),
                 in(u"投保日期：", "dtpTBdate", "TBdate", "*"),
                 in(u"投保金额：", "ceTBprice", "TBprice", "*"),
                 in(u"投保额度：", "ceTBrate", "TBrate"),
                 in(u"下次投保日期：", "dtpNextTBdate", "NextTBdate", "?"),
                 memo1()};
    tb.checks = {notEmpty("cbbBXtype", u"保险类型不能为空！"),
                 notEmpty("cbbBXoffice", u"当前保险公司不能为空！"),
                 notEmpty("edtBDcode", u"保单号不能为空！"),
                 positive("ceTBprice", u"投保金额必须大于0！")};
    tb.codeLists = {{QStringLiteral("bxtype"), QStringLiteral("cbbBXtype")}};
    tb.pickButtons = {pick("sbBXtype", "bxtype", u"保险类型资料", "cbbBXtype")};
    tb.enterLists = {{QStringLiteral("cbbBXoffice"), Insurers}};
    tb.inputFormats = {{QStringLiteral("ceTBprice"), F::Amount}};
    kinds << tb;

    RecordKind jf =
        kind(3, "jf", "T_JFrec", u"缴费记录", u"缴费", "F_JFdate", u"缴费", u"缴费记录");
    jf.nextDateField = QStringLiteral("F_NextJFdate");
    jf.searches = {search(u"缴费单号", "f_JFcode"), search(u"备    注", "f_memo1")};
    jf.groups = {group(u"缴费类型", "F_JFtype"), group(u"收费单位", "F_SFoffice"),
                 group(u"驾驶员", "F_JSempname", u"驾 驶 员")};
    jf.columns = columns({{"F_JFtype", u"缴费类型"},
                          {"F_SFoffice", u"收费单位"},
                          {"F_JFcode", u"缴费单号"},
                          {"F_JFdate", u"缴费日期"},
                          {"F_JFprice", u"缴费金额"},
                          {"F_JSempname", u"驾驶员"},
                          {"F_NextJFdate", u"下次缴费日期"},
                          {"F_memo1", u"备注"}});
    jf.columnFormats = {equals("f_jfprice")};
    jf.inputs = {in(u"缴费类型：", "cbbJFtype", "JFtype", "*"),
                 in(u"收费单位：", "cbbSFoffice", "SFoffice", "*"),
                 in(u"缴费单号：", "edtJFcode", "JFcode", "*"),
                 in(u"缴费日期：", "dtpJFdate", "JFdate", "*"),
                 in(u"缴费金额：", "ceJFprice", "JFprice", "*"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname"),
                 in(u"下次缴费日期：", "dtpNextJFdate", "NextJFdate", "?"),
                 memo1()};
    jf.checks = {notEmpty("cbbJFtype", u"缴费类型不能为空！"),
                 notEmpty("cbbSFoffice", u"当前收费公司不能为空！"),
                 notEmpty("edtJFcode", u"缴费单号不能为空！"),
                 positive("ceJFprice", u"缴费金额必须大于0！")};
    jf.codeLists = {{QStringLiteral("jftype"), QStringLiteral("cbbJFtype")}};
    jf.pickButtons = {pick("sbJFtype", "jftype", u"缴费类型资料", "cbbJFtype")};
    jf.enterLists = {{QStringLiteral("cbbSFoffice"), FeeUnits},
                     {QStringLiteral("cbbJSempname"), Employees}};
    jf.inputFormats = {{QStringLiteral("ceJFprice"), F::Amount}};
    kinds << jf;

    RecordKind ns =
        kind(4, "ns", "T_NSrec", u"年审记录", u"年审", "F_NSdate", u"年审", u"年审记录");
    ns.nextDateField = QStringLiteral("F_NextNSdate");
    ns.searches = {search(u"备    注", "f_memo1")};
    ns.groups = {group(u"年审等级", "F_NStype")};
    ns.columns = columns({{"F_NStype", u"年审等级"},
                          {"F_NSdate", u"年审日期"},
                          {"F_NSprice", u"年审金额"},
                          {"F_NextNSdate", u"下次年审日期"},
                          {"F_memo1", u"备注"}});
    ns.columnFormats = {equals("f_nsprice")};
    ns.inputs = {in(u"年审等级：", "cbbNStype", "NStype", "*"),
                 in(u"年审日期：", "dtpNSdate", "NSdate", "*"),
                 in(u"年审金额：", "ceNSprice", "NSprice", "*"),
                 in(u"下次年审日期：", "dtpNextNSdate", "NextNSdate", "?"), memo1()};
    ns.checks = {notEmpty("cbbNStype", u"年审等级不能为空！"),
                 positive("ceNSprice", u"年审金额必须大于0！")};
    ns.codeLists = {{QStringLiteral("nstype"), QStringLiteral("cbbNStype")}};
    ns.pickButtons = {pick("sbNStype", "nstype", u"年审等级资料", "cbbNStype")};
    ns.inputFormats = {{QStringLiteral("ceNSprice"), F::Amount}};
    kinds << ns;

    RecordKind sg =
        kind(5, "sg", "T_SGrec", u"事故记录", u"事故", "F_SGdate", u"事故", u"事故记录");
    sg.searches = {search(u"发生地址", "F_FSaddress"), search(u"确 认 者", "F_QRoffice"),
                   search(u"对方车牌", "F_DFCPcode"),  search(u"对方驾驶员", "F_DFempname"),
                   search(u"对方单位", "F_DFoffice"),  search(u"事故概要", "F_gyMem"),
                   search(u"我方损坏程度", "F_shMem"), search(u"对方损坏程度", "F_dfshMem"),
                   search(u"和解内容", "F_hjMem"),     search(u"事故责任", "F_zrMem"),
                   search(u"备注", "f_memo1")};
    sg.groups = {group(u"事故类型", "F_SGtype"), group(u"驾 驶 员", "F_JSempname"),
                 group(u"对方车型", "F_DFCLtype")};
    sg.columns = columns({{"F_SGtype", u"事故类型"},
                          {"F_JSempname", u"驾驶员"},
                          {"F_SGdate", u"事故日期"},
                          {"F_FSaddress", u"发生地址"},
                          {"F_QRoffice", u"确认者"},
                          {"F_DFCPcode", u"对方车牌"},
                          {"F_DFcltype", u"对方车型"},
                          {"F_DFempname", u"对方驾驶员"},
                          {"F_DFoffice", u"对方单位"},
                          {"F_DFphone", u"对方电话"},
                          {"F_DFhandphone", u"对方手机"},
                          {"F_officePrice", u"公司承担金额"},
                          {"F_gerenPrice", u"个人承担金额"},
                          {"F_DFprice", u"对方承担金额"},
                          {"F_BXprice", u"保险赔偿金额"},
                          {"F_GYmem", u"事故概要"},
                          {"F_SHmem", u"我方损坏程度"},
                          {"F_DFSHmem", u"对方损坏程度"},
                          {"F_HJmem", u"和解内容"},
                          {"F_ZRmem", u"事故责任"},
                          {"F_memo1", u"备注"}});
    sg.columnFormats = {contains("price", F::Amount)};
    sg.inputs = {in(u"事故类型：", "cbbSGtype", "SGtype", "*"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname"),
                 in(u"事故日期：", "dtpSGdate", "SGdate"),
                 in(u"发生地址：", "edtFSaddress", "FSaddress"),
                 in(u"确 认 者：", "edtQRoffice", "QRoffice"),
                 in(u"对方车牌：", "edtDFCPcode", "DFCPcode", "*"),
                 in(u"车辆类型：", "cbbDFCLtype", "DFCLtype", "*"),
                 in(u"对方驾驶员", "edtDFempname", "DFempname"),
                 in(u"对方单位：", "edtDFoffice", "DFoffice"),
                 in(u"对方电话：", "edtDFphone", "DFphone"),
                 in(u"对方手机：", "edtDFhandphone", "DFhandphone"),
                 in(u"公司承担金额：", "ceOfficePrice", "OfficePrice"),
                 in(u"个人承担金额：", "ceGerenPrice", "gerenPrice"),
                 in(u"对方承担金额：", "ceDFprice", "DFprice"),
                 in(u"保险承担金额：", "ceBXprice", "BXprice"),
                 in(u"事故概要：", "gyMem", "GYmem", "M"),
                 in(u"我方损坏程度：", "shMem", "shMem", "M1"),
                 in(u"对方损坏程度：", "dfshMem", "dfshMem", "M1"),
                 in(u"和解内容：", "hjMem", "hjMem", "M1"),
                 in(u"事故责任：", "zrMem", "zrMem", "M1"),
                 memo1("1"),
                 picture(1, false),
                 picture(1, true),
                 picture(2, false),
                 picture(2, true),
                 picture(3, false),
                 picture(3, true)};
    sg.checks = {notEmpty("cbbSGtype", u"事故类型不能为空！")};
    sg.codeLists = {{QStringLiteral("sgtype"), QStringLiteral("cbbSGtype")},
                    {QStringLiteral("cltype"), QStringLiteral("cbbDFCLtype")}};
    sg.pickButtons = {pick("sbSGtype", "sgtype", u"事故类型资料", "cbbSGtype"),
                      pick("sbCLtype", "cltype", u"车辆类型资料", "cbbDFCLtype")};
    sg.enterLists = {{QStringLiteral("cbbJSempname"), Employees}};
    sg.inputFormats = {{QStringLiteral("ceOfficePrice"), F::Amount},
                       {QStringLiteral("ceGerenPrice"), F::Amount},
                       {QStringLiteral("ceDFprice"), F::Amount},
                       {QStringLiteral("ceBXprice"), F::Amount}};
    kinds << sg;

    RecordKind wz =
        kind(6, "wz", "T_WZrec", u"违章记录", u"违章", "F_WZdate", u"违章", u"违章记录");
    wz.searches = {search(u"违章地址", "F_WZaddress"), search(u"备注", "f_memo1")};
    wz.groups = {group(u"违章项目", "F_WZitem"), group(u"违章驾驶员", "F_JSempname")};
    wz.columns = columns({{"F_WZitem", u"违章项目"},
                          {"F_WZaddress", u"违章地址"},
                          {"F_JSempname", u"违章驾驶员"},
                          {"F_WZdate", u"违章日期"},
                          {"F_FKprice", u"罚款金额"},
                          {"F_memo1", u"备注"}});
    wz.columnFormats = {equals("f_fkprice")};
    wz.inputs = {in(u"违章项目：", "cbbWZitem", "WZitem", "*"),
                 in(u"违章地址：", "edtWZaddress", "WZaddress", "*"),
                 in(u"违章驾驶员", "cbbJSempname", "JSempname"),
                 in(u"违章日期：", "dtpWZdate", "WZdate", "*"),
                 in(u"罚款金额：", "ceFKprice", "FKprice"),
                 memo1()};
    wz.checks = {notEmpty("cbbWZitem", u"违章项目不能为空！"),
                 notEmpty("edtWZaddress", u"当前违章地址不能为空！"),
                 notEmpty("cbbJSempname", u"违章驾驶员不能为空！")};
    wz.codeLists = {{QStringLiteral("wzitem"), QStringLiteral("cbbWZitem")}};
    wz.pickButtons = {pick("sbWZitem", "wzitem", u"违章项目资料", "cbbWZitem")};
    wz.enterLists = {{QStringLiteral("cbbJSempname"), Employees}};
    wz.inputFormats = {{QStringLiteral("ceFKprice"), F::Amount}};
    kinds << wz;

    RecordKind ts =
        kind(7, "ts", "T_TSrec", u"投诉记录", u"投诉", "F_TSdate", u"投诉", u"投诉记录");
    ts.searches = {search(u"投 诉 人", "f_TSname"), search(u"投诉理由", "F_TSreason"),
                   search(u"备    注", "f_memo1")};
    ts.groups = {group(u"投诉类型", "F_TStype"), group(u"被投诉驾驶员", "F_TSempname")};
    ts.columns = columns({{"F_TStype", u"投诉类型"},
                          {"F_TSname", u"投诉人"},
                          {"F_TSempname", u"被投诉驾驶员"},
                          {"F_TSdate", u"投诉日期"},
                          {"F_TSreason", u"投诉理由"},
                          {"F_memo1", u"备注"}});
    ts.inputs = {in(u"投诉类型：", "cbbTStype", "TStype", "*"),
                 in(u"投 诉 人：", "edtTSname", "TSname", "*"),
                 in(u"被投诉驾驶员：", "cbbTSempname", "TSempname", "*"),
                 in(u"投诉日期：", "dtpTSdate", "TSdate", "*"),
                 in(u"投诉理由：", "memTSreason", "TSreason", "M"),
                 memo1()};
    ts.checks = {notEmpty("cbbTStype", u"投诉类型不能为空！"),
                 notEmpty("edtTSname", u"当前投诉人不能为空！"),
                 notEmpty("cbbTSempname", u"当前被投诉驾驶员不能为空！")};
    ts.codeLists = {{QStringLiteral("tstype"), QStringLiteral("cbbTStype")}};
    ts.pickButtons = {pick("sbTStype", "tstype", u"投诉类型资料", "cbbTStype")};
    ts.enterLists = {{QStringLiteral("cbbTSempname"), Employees}};
    kinds << ts;

    RecordKind cc =
        kind(8, "cc", "T_CCrec", u"出车记录", u"出车", "F_CCdate", u"出车", u"出车记录");
    cc.nextDateField = QStringLiteral("F_FHdate");
    cc.searches = {search(u"事由", "f_reason"), search(u"备注", "f_memo1")};
    cc.groups = {group(u"出车类型", "F_CCtype"), group(u"驾 驶 员", "F_JSempname"),
                 group(u"用车部门", "F_CCdept"), group(u"用 车 人", "F_YCempname")};
    cc.columns = columns({{"F_CCtype", u"出车类型"},
                          {"F_JSempname", u"驾驶员"},
                          {"F_CCdept", u"用车部门"},
                          {"F_YCempname", u"用车人"},
                          {"F_reason", u"事由"},
                          {"F_CCdate", u"出车日期"},
                          {"F_FHdate", u"返回日期"},
                          {"F_GLnum", u"公里数"},
                          {"F_ZCprice", u"支出金额"},
                          {"F_YLnum", u"油量"},
                          {"F_SRprice", u"收入金额"},
                          {"F_memo1", u"备注"}});
    cc.columnFormats = {contains("price", F::Amount), contains("num", F::Quantity)};
    cc.inputs = {in(u"出车类型：", "cbbCCtype", "CCtype", "*"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname", "*"),
                 in(u"用车部门：", "cbbCCdept", "CCdept"),
                 in(u"用 车 人：", "cbbYCempname", "YCempname", "*"),
                 in(u"事    由：", "memReason", "reason", "M"),
                 in(u"出车日期：", "dtpCCdate", "CCdate"),
                 in(u"返回日期：", "dtpFHdate", "FHdate", "?"),
                 in(u"公 里 数：", "rceGLnum", "GLnum"),
                 in(u"支出金额：", "ceZCprice", "ZCprice"),
                 in(u"油    量：", "rceYLnum", "YLnum"),
                 in(u"收入金额：", "ceSRprice", "SRprice"),
                 memo1()};
    cc.checks = {notEmpty("cbbCCtype", u"出车类型不能为空！"),
                 notEmpty("cbbJSempname", u"当前驾驶员不能为空！"),
                 notEmpty("cbbYCempname", u"当前用车人不能为空！")};
    cc.codeLists = {{QStringLiteral("cctype"), QStringLiteral("cbbCCtype")},
                    {QStringLiteral("dept"), QStringLiteral("cbbCCdept")}};
    cc.pickButtons = {pick("sbCCtype", "cctype", u"出车类型资料", "cbbCCtype"),
                      pick("sbDept", "dept", u"用车部门资料", "cbbCCdept")};
    cc.enterLists = {{QStringLiteral("cbbJSempname"), Employees},
                     {QStringLiteral("cbbYCempname"), Employees}};
    cc.inputFormats = {{QStringLiteral("rceGLnum"), F::Quantity},
                       {QStringLiteral("rceYLnum"), F::Quantity},
                       {QStringLiteral("ceZCprice"), F::Amount},
                       {QStringLiteral("ceSRprice"), F::Amount}};
    kinds << cc;

    RecordKind zc =
        kind(9, "fyzc", "T_ZCrec", u"费用支出记录", u"支出", "F_ZCdate", u"费用支出", u"费用支出");
    zc.listCaption = QStringLiteral("车辆费用支出记录管理");
    zc.searches = {search(u"备    注", "f_memo1")};
    zc.groups = {group(u"支出类型", "F_ZCtype"), group(u"驾 驶 员", "F_JSempname")};
    zc.columns = columns({{"F_ZCtype", u"支出类型"},
                          {"F_ZCdate", u"支出日期"},
                          {"F_ZCprice", u"支出金额"},
                          {"F_JSempname", u"驾驶员"},
                          {"F_memo1", u"备注"}});
    zc.columnFormats = {equals("f_zcprice")};
    zc.inputs = {in(u"支出类型：", "cbbZCtype", "ZCtype", "*"),
                 in(u"支出日期：", "dtpZCdate", "ZCdate", "*"),
                 in(u"支出金额：", "ceZCprice", "ZCprice", "*"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname"), memo1()};
    zc.checks = {notEmpty("cbbZCtype", u"支出类型不能为空！"),
                 positive("ceZCprice", u"费用支出金额必须大于0！")};
    zc.codeLists = {{QStringLiteral("zctype"), QStringLiteral("cbbZCtype")}};
    zc.pickButtons = {pick("sbZCtype", "zctype", u"支出类型资料", "cbbZCtype")};
    zc.enterLists = {{QStringLiteral("cbbJSempname"), Employees}};
    zc.inputFormats = {{QStringLiteral("ceZCprice"), F::Amount}};
    kinds << zc;

    RecordKind sr =
        kind(10, "fysr", "T_SRrec", u"其他收入记录", u"收入", "F_SRdate", u"其他收入", u"其他收入");
    sr.listCaption = QStringLiteral("车辆其他收入管理");
    sr.searches = {search(u"备    注", "f_memo1")};
    sr.groups = {group(u"收入类型", "F_SRtype"), group(u"驾 驶 员", "F_JSempname")};
    sr.columns = columns({{"F_SRtype", u"收入类型"},
                          {"F_SRdate", u"收入日期"},
                          {"F_SRprice", u"收入金额"},
                          {"F_JSempname", u"驾驶员"},
                          {"F_memo1", u"备注"}});
    sr.columnFormats = {equals("f_srprice")};
    sr.inputs = {in(u"收入类型：", "cbbSRtype", "SRtype", "*"),
                 in(u"收入日期：", "dtpSRdate", "SRdate", "*"),
                 in(u"收入金额：", "ceSRprice", "SRprice", "*"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname"), memo1()};
    sr.checks = {notEmpty("cbbSRtype", u"收入类型不能为空！"),
                 positive("ceSRprice", u"收入金额必须大于0！")};
    sr.codeLists = {{QStringLiteral("srtype"), QStringLiteral("cbbSRtype")}};
    sr.pickButtons = {pick("sbSRtype", "srtype", u"收入类型资料", "cbbSRtype")};
    sr.enterLists = {{QStringLiteral("cbbJSempname"), Employees}};
    sr.inputFormats = {{QStringLiteral("ceSRprice"), F::Amount}};
    kinds << sr;

    RecordKind yh =
        kind(11, "yh", "T_YHrec", u"油耗记录", u"加油", "F_JYdate", u"油耗", u"油耗记录");
    yh.searches = {search(u"备注", "f_memo1")};
    yh.groups = {group(u"油料类型", "F_YHtype", u"油耗类型"), group(u"驾 驶 员", "F_JSempname"),
                 group(u"加 油 站", "F_JYoffice")};
    yh.columns = columns({{"F_YHtype", u"油料类型"},
                          {"F_JYdate", u"加油日期"},
                          {"F_JSempname", u"驾驶员"},
                          {"F_beginLC", u"开始里程"},
                          {"F_endLC", u"结束里程"},
                          {"F_shijiLC", u"实际里程"},
                          {"F_YLnum", u"油量"},
                          {"F_DJprice", u"单价"},
                          {"F_totalprice", u"金额"},
                          {"F_bglYouHao", u"百公里油耗"},
                          {"F_mglprice", u"每公理金额"},
                          {"F_JYoffice", u"加油站"},
                          {"F_memo1", u"备注"}});
    yh.columnFormats = {contains("price", F::Price), contains("totalprice", F::Amount),
                        contains("num", F::Quantity), contains("bglyouhao", F::Quantity)};
    yh.inputs = {in(u"油料类型：", "cbbYHtype", "YHtype"),
                 in(u"加油日期：", "dtpJYdate", "JYdate", "*"),
                 in(u"驾 驶 员：", "cbbJSempname", "JSempname", "*"),
                 in(u"开始里程：", "rceBeginLC", "beginLC"),
                 in(u"结束里程：", "rceEndLC", "endLC"),
                 in(u"里 程 数：", "rceShijiLC", "shijiLC", "R"),
                 in(u"油    量：", "rceYLnum", "YLnum"),
                 in(u"单    价：", "ceDJprice", "DJprice"),
                 in(u"金    额：", "ceTotalPrice", "totalPrice"),
                 in(u"百公里油耗", "rceBGLyouhao", "BGLyouhao"),
                 in(u"每公里金额", "ceMGLprice", "MGLprice"),
                 in(u"加 油 站：", "cbbJYoffice", "JYoffice"),
                 memo1()};
    yh.checks = {notEmpty("cbbJSempname", u"当前驾驶员不能为空！")};
    yh.codeLists = {{QStringLiteral("yhtype"), QStringLiteral("cbbYHtype")},
                    {QStringLiteral("jyoffice"), QStringLiteral("cbbJYoffice")}};
    yh.pickButtons = {pick("sbYHtype", "yhtype", u"油耗类型资料", "cbbYHtype")};
    yh.enterLists = {{QStringLiteral("cbbJSempname"), Employees}};
    yh.inputFormats = {{QStringLiteral("ceDJprice"), F::Price},
                       {QStringLiteral("ceMGLprice"), F::Price},
                       {QStringLiteral("rceYLnum"), F::Quantity},
                       {QStringLiteral("rceBGLyouhao"), F::Quantity},
                       {QStringLiteral("ceTotalPrice"), F::Amount}};
    kinds << yh;
    return kinds;
}

} // namespace

QString RecordKind::deleteQuestion(const QString &plate) const
{
    return QStringLiteral("真的要删除当前车牌为 ") + plate + QStringLiteral(" ") + recordWord +
           QStringLiteral("记录吗？");
}

QString RecordKind::archiveDeleteQuestion(const QString &date) const
{
    return QStringLiteral("真的要删除当前") + datePrefix + QStringLiteral("日期为“") + date +
           QStringLiteral("”的") + datePrefix + QStringLiteral("记录吗？");
}

const RecordInput *RecordKind::input(const QString &control) const
{
    for (const RecordInput &row : inputs)
        if (row.control == control)
            return &row;
    return nullptr;
}

const QList<RecordKind> &RecordKinds::all()
{
    static const QList<RecordKind> kinds = makeKinds();
    return kinds;
}

const RecordKind *RecordKinds::byNumber(int number)
{
    for (const RecordKind &k : all())
        if (k.number == number)
            return &k;
    return nullptr;
}

const RecordKind *RecordKinds::byWord(const QString &word)
{
    for (const RecordKind &k : all())
        if (k.word == word)
            return &k;
    return nullptr;
}

const RecordKind *RecordKinds::byEditorClass(const QString &objectName)
{
    for (const RecordKind &k : all())
        if (k.editorClass() == objectName)
            return &k;
    return nullptr;
}
