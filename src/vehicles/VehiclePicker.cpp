#include "VehiclePicker.h"

#include "VehicleEditor.h"
#include "VehicleGroups.h"

#include "app/WindowPlacement.h"
#include "forms/GroupPanel.h"
#include "grids/DataGrid.h"
#include "widgets/WindowKeys.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QLineEdit *quickFilter(QWidget *bar, QHBoxLayout *row, const QString &label, const char *name)
{
    row->addWidget(new QLabel(label, bar));
    auto *edit = new QLineEdit(bar);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(110);
    row->addWidget(edit);
    return edit;
}

QPushButton *button(QWidget *bar, const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption, bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

VehiclePicker::VehiclePicker(QWidget *parent)
    : ListWindow(QStringLiteral("TDLGcarXZ"), Caption, LayoutKey, parent)
{
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    auto *top = new QWidget;
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(4, 2, 4, 2);
    edtCode = quickFilter(top, row, QStringLiteral("车    牌："), "edtCode");
    edtXingHao = quickFilter(top, row, QStringLiteral("型    号："), "edtXingHao");
    edtFDJcode = quickFilter(top, row, QStringLiteral("发 动 机："), "edtFDJcode");
    auto *find = new QToolButton(top);
    find->setObjectName(QStringLiteral("sbFind"));
    find->setText(QStringLiteral("查询(F8)"));
    auto *panelToggle = new QToolButton(top);
    panelToggle->setObjectName(QStringLiteral("SpeedButton4"));
    panelToggle->setText(QStringLiteral("<>"));
    row->addWidget(find);
    row->addStretch();
    row->addWidget(panelToggle);
    setFilterBar(top);

    GroupPanel *groups = addGroupPanel([this] { refresh(); });
    groups->setTypes(VehicleGroups::all());

    auto *bottom = new QWidget;
    auto *buttons = new QHBoxLayout(bottom);
    QPushButton *BitBtn4 = button(bottom, QStringLiteral("新增车辆"), "BitBtn4");
    QPushButton *BitBtn1 = button(bottom, QStringLiteral("确定"), "BitBtn1");
    QPushButton *BitBtn2 = button(bottom, QStringLiteral("关闭"), "BitBtn2");
    buttons->addWidget(BitBtn4);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    setBottomBar(bottom);
    statusBar()->hide();

    for (QLineEdit *filter : {edtCode, edtXingHao, edtFDJcode})
        connect(filter, &QLineEdit::textChanged, this, &VehiclePicker::refresh);
    connect(find, &QToolButton::clicked, this, &VehiclePicker::refresh);
    connect(panelToggle, &QToolButton::clicked, this,
            [groups] { groups->setVisible(!groups->isVisible()); });
    connect(BitBtn4, &QPushButton::clicked, this, &VehiclePicker::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &VehiclePicker::confirm);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid(), &DataGrid::rowDoubleClicked, this, &VehiclePicker::confirm);
    keys()->bind(Qt::Key_F8, find).bind(Qt::Key_Escape, BitBtn2);
    resize(681, 473);
}

SqlStatement VehiclePicker::statement(const QString &plate, const QString &model,
                                      const QString &engine, const SqlStatement &group)
{
    SqlStatement s(QStringLiteral("select * from T_cars where (1=1) "));
    const std::pair<const char *, QString> filters[] = {
        {"F_code", plate}, {"F_xingHao", model}, {"F_FDJcode", engine}};
    for (const auto &[field, text] : filters) {
        const QString typed = text.trimmed();
        if (!typed.isEmpty())
            s.appendLike(QStringLiteral("and ") + QLatin1String(field),
                         QStringLiteral("q") + QLatin1String(field), typed,
                         SqlStatement::Like::Contains);
    }
    s.append(group);
    s.append(QStringLiteral("order by f_code"));
    return s;
}

void VehiclePicker::firstShow()
{
    groupPanel()->fillGroupList(0);
}

void VehiclePicker::refresh()
{
    openRows(
        statement(edtCode->text(), edtXingHao->text(), edtFDJcode->text(), groupPanel()->filter()));
}

std::optional<VehiclePicker::Picked> VehiclePicker::PickVehicle()
{
    m_confirmed = false;
    exec();
    if (!m_confirmed || rows()->isEmpty() || rows()->currentRow() < 0)
        return std::nullopt;
    return Picked{rows()->fieldValue(u"F_ID").toLongLong(), rows()->fieldText(u"F_Code")};
}

void VehiclePicker::confirm()
{
    m_confirmed = true;
    accept();
}

void VehiclePicker::BitBtn4Click()
{
    VehicleEditor editor(this);
    DispFormPos(&editor, 1);
    editor.FromPicker = true;
    editor.setSource(rows());
    editor.OpenEditor(false);
}
