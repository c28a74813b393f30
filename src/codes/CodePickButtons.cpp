#include "CodePickButtons.h"

#include "CodePick.h"

#include "db/RecordKinds.h"

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
    static const std::vector<CodePickButton> buttons = [&row] {
        std::vector<CodePickButton> rows = {
            row("TfrmEmpEdit", "sbDept", "dept", "部门资料", "cbbDept"),
            row("TfrmEmpEdit", "sbXueLI", "xueli", "学历资料", "cbbXueLI"),
            row("TfrmEmpEdit", "sbZJcltype", "zjcltype", "准驾车型资料", "cbbZJcltype"),
            row("TfrmEmpEdit", "sbJSnl", "jsnl", "驾龄资料", "cbbJSnl"),
            row("TfrmCARedit", "sbPinPai", "pinpai", "车辆品牌资料", "cbbPinPai"),
            row("TfrmCARedit", "sbType", "cltype", "车辆类型资料", "cbbType"),
            row("TfrmCARedit", "sbYanSE", "yanse", "颜色资料", "cbbYanSE"),
            row("TfrmCARedit", "sbGSoffice", "gsoffice", "归属单位资料", "cbbGSoffice"),
            row("TfrmWXofficeEdit", "sbZWname", "zwname", "职务资料", "cbbZWname"),
            row("TfrmBXofficeEdit", "sbZWname", "zwname", "职务资料", "cbbZWname"),
            row("TfrmSFofficeEdit", "sbZWname", "zwname", "职务资料", "cbbZWname"),
        };
        // The record editors' buttons are rows of their kinds.
        for (const RecordKind &kind : RecordKinds::all())
            for (const RecordPickButton &b : kind.pickButtons)
                rows.push_back({kind.editorClass(), b.button, b.codeType, b.caption, b.target});
        return rows;
    }();
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
