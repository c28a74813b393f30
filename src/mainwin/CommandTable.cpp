#include "CommandTable.h"

namespace {

using O = Command::Opening;

Command child(int number, const char *caption, const char *windowClass, const char *windowCaption,
              char16_t glyph)
{
    Command c;
    c.number = number;
    c.caption = QString::fromUtf8(caption);
    c.windowClass = QString::fromUtf8(windowClass);
    c.windowCaption = QString::fromUtf8(windowCaption);
    c.opening = O::Child;
    c.placeMode = 0;
    c.glyph = QChar(glyph);
    return c;
}

Command modal(int number, const char *caption, const char *windowClass, const char *windowCaption,
              int placeMode, char16_t glyph, const char *logAfter = "")
{
    Command c = child(number, caption, windowClass, windowCaption, glyph);
    c.opening = O::Modal;
    c.placeMode = placeMode;
    c.logAfter = QString::fromUtf8(logAfter);
    return c;
}

std::vector<Command> makeTable()
{
    std::vector<Command> t;
    t.push_back(modal(101, "公司信息资料", "TFrmUserInfo", "公司信息", 1, u'司', "公司信息管理！"));
    t.push_back(modal(102, "更改用户密码", "TfrmModPass", "更改当前用户密码", 1, u'密'));
    t.push_back(modal(103, "用户权限管理", "TfrmOperGl", "操作员权限管理", 1, u'权'));
    t.back().centreOnMain = true;
    t.push_back(
        modal(104, "工作日志管理", "TfrmRZlistGL", "工作日志管理", 0, u'志', "操作员日志管理！"));
    t.push_back(modal(105, "自定义设置", "TfrmZDYset", "自定义设置", 1, u'设'));
    t.push_back(modal(106, "数据备份恢复", "TFrmDataBack", "系统备份及恢复", 1, u'备'));
    t.push_back(
        modal(107, "系统数据清理", "TFrmDataClear", "数据清理", 1, u'清', "系统资料清理！"));
    t.push_back(modal(108, "导入员工资料", "TfrmExcelImport", "Excel 数据导入", 1, u'导',
                      "导入员工资料！"));
    t.push_back(modal(109, "导入车辆信息", "TfrmExcelImport", "Excel 数据导入", 1, u'导',
                      "导入车辆信息！"));
    Command compact = modal(110, "压缩修复数据", "", "", 1, u'压', "压缩数据库！");
    compact.opening = O::None;
    t.push_back(compact);

    t.push_back(child(201, "员工档案管理", "TfrmEmpMan", "员工资料管理", u'员'));
    t.push_back(modal(202, "车辆档案管理", "TfrmCARman", "车辆信息资料管理", 0, u'车'));
    t.push_back(child(203, "修理工厂管理", "TfrmWXofficeMan", "修理工厂资料管理", u'修'));
    t.push_back(child(204, "保险公司管理", "TfrmBXofficeMan", "保险公司资料管理", u'保'));
    t.push_back(child(205, "收费单位管理", "TfrmSFofficeMan", "收费单位资料管理", u'收'));
    t.push_back(modal(206, "选项...", "TFrmCodeMan", "选项设置", 1, u'选'));

    t.push_back(child(301, "车辆维修管理", "TfrmCLwxInfoMan", "车辆维修记录管理", u'修'));
    t.push_back(child(302, "车辆投保管理", "TfrmCLtbInfoMan", "车辆投保记录管理", u'保'));
    t.push_back(child(303, "车辆缴费管理", "TfrmCLjfInfoMan", "车辆缴费记录管理", u'缴'));
    t.push_back(child(304, "车辆年审管理", "TfrmCLnsInfoMan", "车辆年审记录管理", u'审'));
    t.push_back(child(305, "车辆事故管理", "TfrmCLsgInfoMan", "车辆事故记录管理", u'事'));
    t.push_back(child(306, "车辆违章记录", "TfrmCLwzInfoMan", "车辆违章记录管理", u'违'));
    t.push_back(child(307, "车辆投诉记录", "TfrmCLtsInfoMan", "车辆投诉记录管理", u'诉'));
    t.push_back(child(308, "车辆出车管理", "TfrmCLccInfoMan", "车辆出车记录管理", u'出'));
    t.back().menuCaption = QStringLiteral("车辆出车记录管理");
    t.push_back(child(309, "车辆费用支出管理", "TfrmCLfyzcInfoMan", "车辆费用支出记录管理", u'支'));
    t.push_back(child(310, "车辆其他收入管理", "TfrmCLfysrInfoMan", "车辆其他收入管理", u'收'));
    t.push_back(child(311, "车辆油耗记录管理", "TfrmCLyhInfoMan", "车辆油耗记录管理", u'油'));

    t.push_back(child(401, "车辆信息提醒列表", "TfrmCLawokeInfoTJ", "车辆信息提醒统计列表", u'醒'));
    t.push_back(modal(402, "车辆信息图表统计", "TfrmCLstatFXtubiao", "车辆信息分析图表", 0, u'图'));
    t.push_back(modal(403, "车辆信息汇总统计", "TfrmCLinfoTotalTJ", "车辆信息汇总统计", 0, u'汇'));
    t.push_back(modal(404, "车辆信息明细统计", "TfrmCLinfoDetailTJ", "车辆信息明细统计", 0, u'明'));
    t.push_back(modal(405, "车辆维修查询统计", "TfrmWXdetailTJ", "车辆维修查询统计", 0, u'修'));
    t.push_back(modal(406, "车辆事故查询统计", "TfrmSGdetailTJ", "车辆事故查询统计", 0, u'事'));
    t.push_back(modal(407, "车辆违章查询统计", "TfrmWZdetailTJ", "车辆违章查询统计", 0, u'违'));
    t.push_back(modal(408, "出车记录查询统计", "TfrmCCdetailTJ", "车辆出车记录查询统计", 0, u'出'));
    t.push_back(
        modal(409, "车辆费用支出查询", "TfrmFYZCdetailTJ", "车辆费用支出统计列表", 0, u'支'));
    t.push_back(modal(410, "车辆油耗查询统计", "TfrmYHdetailTJ", "车辆油耗查询统计", 0, u'油'));
    return t;
}

} // namespace

const std::vector<Command> &CommandTable::all()
{
    static const std::vector<Command> table = makeTable();
    return table;
}

const Command *CommandTable::find(int number)
{
    for (const Command &command : all()) {
        if (command.number == number)
            return &command;
    }
    return nullptr;
}

std::vector<const Command *> CommandTable::group(int group)
{
    std::vector<const Command *> commands;
    for (const Command &command : all()) {
        if (command.group() == group)
            commands.push_back(&command);
    }
    return commands;
}
