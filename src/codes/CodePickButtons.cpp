#include "CodePickButtons.h"

#include "CodePick.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QWidget>

const std::vector<CodePickButton> &CodePickButtons::all()
{
    auto row = [](const char *window, const char *button, const char *key, const char *caption,
                  const char *target) {
        return CodePickButton{QString::fromLatin1(window), QString::fromLatin1(button),
                              QString::fromLatin1(key), QString::fromUtf8(caption),
                              QString::fromLatin1(target)};
    };
    static const std::vector<CodePickButton> buttons = {
        row("TfrmEmpEdit", "sbDept", "dept", "部门资料", "cbbDept"),
        row("TfrmEmpEdit", "sbXueLI", "xueli", "学历资料", "cbbXueLI"),
        row("TfrmEmpEdit", "sbZJcltype", "zjcltype", "准驾车型资料", "cbbZJcltype"),
        row("TfrmCLwxInfoEdit", "sbWXtype", "wxtype", "维修类型资料", "cbbWXtype"),
        row("TfrmCLtbInfoEdit", "sbBXtype", "bxtype", "保险类型资料", "cbbBXtype"),
        row("TfrmCLjfInfoEdit", "sbJFtype", "jftype", "缴费类型资料", "cbbJFtype"),
        row("TfrmCLnsInfoEdit", "sbNStype", "nstype", "年审等级资料", "cbbNStype"),
        row("TfrmCLsgInfoEdit", "sbSGtype", "sgtype", "事故类型资料", "cbbSGtype"),
        row("TfrmCLsgInfoEdit", "sbCLtype", "cltype", "车辆类型资料", "cbbDFCLtype"),
        row("TfrmCLwzInfoEdit", "sbWZitem", "wzitem", "违章项目资料", "cbbWZitem"),
        row("TfrmCLtsInfoEdit", "sbTStype", "tstype", "投诉类型资料", "cbbTStype"),
        row("TfrmCLccInfoEdit", "sbCCtype", "cctype", "出车类型资料", "cbbCCtype"),
        row("TfrmCLccInfoEdit", "sbDept", "dept", "用车部门资料", "cbbCCdept"),
        row("TfrmCLfyzcInfoEdit", "sbZCtype", "zctype", "支出类型资料", "cbbZCtype"),
        row("TfrmCLfysrInfoEdit", "sbSRtype", "srtype", "收入类型资料", "cbbSRtype"),
        row("TfrmCLyhInfoEdit", "sbYHtype", "yhtype", "油耗类型资料", "cbbYHtype"),
        row("TfrmCARedit", "sbPinPai", "pinpai", "车辆品牌资料", "cbbPinPai"),
        row("TfrmCARedit", "sbType", "cltype", "车辆类型资料", "cbbType"),
        row("TfrmCARedit", "sbYanSE", "yanse", "颜色资料", "cbbYanSE"),
        row("TfrmCARedit", "sbGSoffice", "gsoffice", "归属单位资料", "cbbGSoffice"),
        row("TfrmWXofficeEdit", "sbZWname", "zwname", "职务资料", "cbbZWname"),
        row("TfrmBXofficeEdit", "sbZWname", "zwname", "职务资料", "cbbZWname"),
        row("TfrmSFofficeEdit", "sbZWname", "zwname", "职务资料", "cbbZWname"),
    };
    return buttons;
}

int CodePickButtons::connectAll(QWidget *editor)
{
    if (!editor)
        return 0;
    int wired = 0;
    for (const CodePickButton &entry : all()) {
        if (entry.window != editor->objectName())
            continue;
        auto *button = editor->findChild<QAbstractButton *>(entry.button);
        auto *target = editor->findChild<QComboBox *>(entry.target);
        if (!button || !target) {
            qWarning("%s: pick button %s or drop-down %s is missing", qPrintable(entry.window),
                     qPrintable(entry.button), qPrintable(entry.target));
            continue;
        }
        connectCodePickButton(button, entry.key, entry.caption, target);
        ++wired;
    }
    return wired;
}
