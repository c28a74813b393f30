#include "VehicleQueryDialog.h"

#include "VehicleQuery.h"

#include "app/Platform.h"
#include "app/WindowPlacement.h"
#include "codes/CodePick.h"
#include "widgets/CurrencyEdit.h"
#include "widgets/DatePicker.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/PickList.h"
#include "widgets/WindowKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

enum class InputKind { Line, ListOnly, Editable, Currency };

struct Input {
    QString label;
    QString name;
    InputKind kind;
    QString codeType; // the pick list's code type; empty for the driver list
};

const QString DriverList = QStringLiteral("select F_name from t_employee where f_useFlag = false");

// In tab order, laid out two to a row.
const Input Inputs[] = {
    {QStringLiteral("车    牌："), QStringLiteral("edtCode"), InputKind::Line, {}},
    {QStringLiteral("品    牌："), QStringLiteral("cbbPinPai"), InputKind::ListOnly,
     QStringLiteral("pinpai")},
    {QStringLiteral("底    盘："), QStringLiteral("edtDipan"), InputKind::Line, {}},
    {QStringLiteral("颜    色："), QStringLiteral("cbbYanSE"), InputKind::Editable,
     QStringLiteral("yanse")},
    {QStringLiteral("型    号："), QStringLiteral("edtXingHao"), InputKind::Line, {}},
    {QStringLiteral("车辆类型："), QStringLiteral("cbbType"), InputKind::ListOnly,
     QStringLiteral("cltype")},
    {QStringLiteral("发 动 机："), QStringLiteral("edtFDJcode"), InputKind::Line, {}},
    {QStringLiteral("载    重："), QStringLiteral("edtZaizhong"), InputKind::Line, {}},
    {QStringLiteral("座    位："), QStringLiteral("edtZuoWei"), InputKind::Line, {}},
    {QStringLiteral("购买金额>："), QStringLiteral("ceBuyPrice"), InputKind::Currency, {}},
    {QStringLiteral("驾 驶 员："), QStringLiteral("cbbJSempname"), InputKind::Editable, {}},
    {QStringLiteral("归属单位："), QStringLiteral("cbbGSoffice"), InputKind::ListOnly,
     QStringLiteral("gsoffice")},
    {QStringLiteral("备注信息："), QStringLiteral("edtMemo1"), InputKind::Line, {}},
};

QWidget *createInput(const Input &input, QWidget *parent)
{
    QWidget *widget = nullptr;
    switch (input.kind) {
    case InputKind::Line:
        widget = new QLineEdit(parent);
        break;
    case InputKind::Currency:
        widget = new CurrencyEdit(parent);
        break;
    case InputKind::ListOnly:
    case InputKind::Editable: {
        auto *box = new QComboBox(parent);
        if (input.kind == InputKind::ListOnly)
            makeListOnlyPickBox(box);
        else
            makeEditablePickBox(box);
        widget = box;
        break;
    }
    }
    widget->setObjectName(input.name);
    return widget;
}

QString typedText(const QWidget *input)
{
    if (auto *line = qobject_cast<const QLineEdit *>(input))
        return line->text();
    if (auto *box = qobject_cast<const QComboBox *>(input))
        return box->currentText();
    return {};
}

DatePicker *createDatePicker(const QString &name, QWidget *parent)
{
    auto *picker = new DatePicker(parent);
    picker->setObjectName(name);
    picker->setCheckable(true);
    return picker;
}

std::optional<QDate> boundOf(const QCheckBox *group, const DatePicker *picker)
{
    if (!group->isChecked() || !picker->isChecked())
        return std::nullopt;
    return picker->date();
}

} // namespace

VehicleQueryDialog::VehicleQueryDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDlgCarinfoCX"));
    setWindowTitle(Caption);

    auto *criteriaGroup = new QGroupBox(QStringLiteral("查询条件"), this);
    auto *grid = new QGridLayout(criteriaGroup);
    auto *status = new QHBoxLayout;
    rbAll = new QRadioButton(QStringLiteral("全    部"), criteriaGroup);
    rbAll->setObjectName(QStringLiteral("rbAll"));
    rbInService = new QRadioButton(QStringLiteral("正    常"), criteriaGroup);
    rbInService->setObjectName(QStringLiteral("rbInService"));
    rbOutOfService = new QRadioButton(QStringLiteral("停    用"), criteriaGroup);
    rbOutOfService->setObjectName(QStringLiteral("rbOutOfService"));
    rbInService->setChecked(true);
    status->addWidget(rbAll);
    status->addWidget(rbInService);
    status->addWidget(rbOutOfService);
    grid->addLayout(status, 0, 0, 1, 4);
    createInputs(grid);

    btnQuery = new QPushButton(QStringLiteral("查询(&P)"), this);
    btnQuery->setObjectName(QStringLiteral("btnQuery"));
    btnClose = new QPushButton(QStringLiteral("关闭(&C)"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    // Enter moves the focus, so it never presses a button.
    btnQuery->setAutoDefault(false);
    btnClose->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnQuery);
    buttons->addWidget(btnClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criteriaGroup);
    layout->addWidget(createDateGroup());
    layout->addLayout(buttons);

    QWidget *previous = nullptr;
    for (QWidget *next : m_inputs) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    connect(btnQuery, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
    auto *keys = new WindowKeys(this);
    keys->bind(Qt::CTRL | Qt::Key_S, btnQuery).bind(Qt::Key_Escape, btnClose);
}

void VehicleQueryDialog::createInputs(QGridLayout *grid)
{
    int index = 0;
    for (const Input &input : Inputs) {
        QWidget *widget = createInput(input, this);
        auto *label = new QLabel(input.label, this);
        label->setBuddy(widget);
        m_inputs.append(widget);
        const int row = 1 + index / 2;
        const int column = (index % 2) * 2;
        const bool last = index == int(std::size(Inputs)) - 1;
        grid->addWidget(label, row, column);
        // The remarks take the whole last row.
        grid->addWidget(widget, row, column + 1, 1, last ? 3 : 1);
        ++index;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QWidget *VehicleQueryDialog::createDateGroup()
{
    auto *group = new QGroupBox(this);
    auto *grid = new QGridLayout(group);
    auto addRow = [&](int row, const QString &caption, const QString &name, QCheckBox *&box,
                      DatePicker *&from, DatePicker *&to) {
        box = new QCheckBox(caption, group);
        box->setObjectName(QStringLiteral("cb") + name);
        from = createDatePicker(QStringLiteral("dtp") + name + QLatin1Char('1'), group);
        to = createDatePicker(QStringLiteral("dtp") + name + QLatin1Char('2'), group);
        grid->addWidget(box, row, 0);
        grid->addWidget(from, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("至"), group), row, 2);
        grid->addWidget(to, row, 3);
        from->setEnabled(false);
        to->setEnabled(false);
        connect(box, &QCheckBox::toggled, from, &QWidget::setEnabled);
        connect(box, &QCheckBox::toggled, to, &QWidget::setEnabled);
        m_inputs << box << from << to;
    };
    addRow(0, QStringLiteral("生产日期：自"), QStringLiteral("SCdate"), cbSCdate, dtpSCdate1,
           dtpSCdate2);
    addRow(1, QStringLiteral("购买时间：自"), QStringLiteral("BuyDate"), cbBuyDate, dtpBuyDate1,
           dtpBuyDate2);
    grid->setColumnStretch(4, 1);
    return group;
}

void VehicleQueryDialog::prepareInputs()
{
    for (const Input &input : Inputs) {
        auto *box = findChild<QComboBox *>(input.name);
        if (!box)
            continue;
        if (input.codeType.isEmpty())
            FillPickList(DriverList, box);
        else
            FillCodePickList(box, input.codeType);
    }
    const QDate today = platform().today();
    const QDate monthStart(today.year(), today.month(), 1);
    for (DatePicker *from : {dtpSCdate1, dtpBuyDate1}) {
        from->setDate(monthStart);
        from->setChecked(true);
    }
    for (DatePicker *to : {dtpSCdate2, dtpBuyDate2}) {
        to->setDate(today);
        to->setChecked(true);
    }
}

SqlStatement VehicleQueryDialog::QueryText()
{
    prepareInputs();
    DispFormPos(this, 1);
    m_inputs.first()->setFocus();
    if (exec() != QDialog::Accepted)
        return {};
    return VehicleQuery::build(criteria());
}

VehicleCriteria VehicleQueryDialog::criteria() const
{
    VehicleCriteria c;
    for (const VehicleQuery::TextCondition &condition : VehicleQuery::textConditions())
        c.texts.insert(condition.input, typedText(findChild<QWidget *>(condition.input)));
    c.minBuyPrice = findChild<CurrencyEdit *>(QStringLiteral("ceBuyPrice"))->value();
    c.status = rbAll->isChecked()            ? VehicleCriteria::Status::All
               : rbOutOfService->isChecked() ? VehicleCriteria::Status::OutOfService
                                             : VehicleCriteria::Status::InService;
    c.made = {boundOf(cbSCdate, dtpSCdate1), boundOf(cbSCdate, dtpSCdate2)};
    c.bought = {boundOf(cbBuyDate, dtpBuyDate1), boundOf(cbBuyDate, dtpBuyDate2)};
    return c;
}
