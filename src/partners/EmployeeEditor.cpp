#include "EmployeeEditor.h"

#include "EmployeeFields.h"

#include "codes/CodePick.h"
#include "codes/CodePickButtons.h"
#include "db/DataSet.h"
#include "forms/EditorParts.h"
#include "forms/FieldInputs.h"
#include "forms/PictureSlot.h"
#include "vehicles/PictureSlotViewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

EmployeeEditor::EmployeeEditor(QWidget *parent)
    : NumberedEditor(QStringLiteral("TfrmEmpEdit"), Title,
                     {QStringLiteral("T_employee"), QStringLiteral("edtCode"),
                      QStringLiteral("edtName"), EmptyCodeMessage, DuplicateCodeMessage},
                     parent)
{
    setWindowTitle(QStringLiteral("员工档案编辑"));
    // Made in tab order; the photo slot once for its two rows.
    for (const QString &control : EmployeeFields::tabOrder())
        for (const EditorField &row : EmployeeFields::all())
            if (row.control == control) {
                FieldInputs::make(row.kind, control, body());
                break;
            }
    FieldInputs::make(FieldKind::Picture, QStringLiteral("Image1"), body());
    static_cast<QComboBox *>(input(QStringLiteral("cbbSex")))
        ->addItems({QStringLiteral("男"), QStringLiteral("女")});
    static_cast<QCheckBox *>(input(QStringLiteral("cbUseFlag")))->setText(QStringLiteral("离职否"));

    auto *layout = new QHBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildInputs(), 1);
    layout->addWidget(buildPhoto(), 0, Qt::AlignTop);

    setFields(EmployeeFields::all());
    setChecks(numberChecks());
    CodePickButtons::connectAll(this);
    resize(640, 420);
}

QWidget *EmployeeEditor::buildInputs()
{
    auto *panel = new QWidget(body());
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto place = [&](int row, int column, const QString &label, const char *control,
                           QWidget *after = nullptr) {
        grid->addWidget(new QLabel(label, panel), row, column * 3);
        grid->addWidget(input(QString::fromLatin1(control)), row, column * 3 + 1);
        if (after)
            grid->addWidget(after, row, column * 3 + 2);
    };
    place(0, 0, QStringLiteral("工    号："), "edtCode", requiredMark(panel));
    place(0, 1, QStringLiteral("姓    名："), "edtName", requiredMark(panel));
    place(1, 0, QStringLiteral("性    别："), "cbbSex");
    place(1, 1, QStringLiteral("部    门："), "cbbDept", pickButton(panel, "sbDept"));
    place(2, 0, QStringLiteral("学    历："), "cbbXueLI", pickButton(panel, "sbXueLI"));
    place(2, 1, QStringLiteral("身份证号："), "edtSFZcode");
    place(3, 0, QStringLiteral("生    日："), "dtpSRdate");
    place(3, 1, QStringLiteral("籍    贯："), "edtJiguan");
    place(4, 0, QStringLiteral("入职日期："), "dtpRZdate");
    place(4, 1, QStringLiteral("联系地址："), "edtAddress");
    place(5, 0, QStringLiteral("电    话："), "edtPhone");
    place(5, 1, QStringLiteral("手    机："), "edtHandPhone");
    place(6, 0, QStringLiteral("驾驶证号："), "edtJSZcode");
    place(6, 1, QStringLiteral("领证时间："), "dtpLZdate");
    place(7, 0, QStringLiteral("准驾车型："), "cbbZJcltype", pickButton(panel, "sbZJcltype"));
    place(7, 1, QStringLiteral("驾    龄："), "cbbJSnl", pickButton(panel, "sbJSnl"));
    grid->addWidget(new QLabel(QStringLiteral("备注信息："), panel), 8, 0, Qt::AlignTop);
    grid->addWidget(input(QStringLiteral("Memo1")), 8, 1, 1, 5);
    grid->addWidget(input(QStringLiteral("cbUseFlag")), 9, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return panel;
}

QWidget *EmployeeEditor::buildPhoto()
{
    auto *panel = new QWidget(body());
    PictureSlot *slot = photo();
    slot->setFixedSize(104, 144);
    slot->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    slot->setFrameShape(QFrame::Box);
    auto *load = new QPushButton(QStringLiteral("载入图片"), panel);
    load->setObjectName(QStringLiteral("bbLoadImage"));
    auto *clear = new QPushButton(QStringLiteral("清空显示"), panel);
    clear->setObjectName(QStringLiteral("bbClearImage"));
    for (QPushButton *button : {load, clear}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(load, &QPushButton::clicked, this,
            [this] { choosePictureThroughViewer(this, photo()); });
    connect(slot, &PictureSlot::doubleClicked, this,
            [this] { choosePictureThroughViewer(this, photo()); });
    connect(clear, &QPushButton::clicked, slot, &PictureSlot::clearPicture);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("相片："), panel));
    layout->addWidget(slot);
    layout->addWidget(new QLabel(QStringLiteral("最佳大小：(102*100)"), panel));
    layout->addWidget(load);
    layout->addWidget(clear);
    layout->addStretch();
    return panel;
}

PictureSlot *EmployeeEditor::photo() const
{
    return static_cast<PictureSlot *>(input(QStringLiteral("Image1")));
}

void EmployeeEditor::fillLists()
{
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbDept"))),
                     QStringLiteral("dept"));
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbXueLI"))),
                     QStringLiteral("xueli"));
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbZJcltype"))),
                     QStringLiteral("zjcltype"));
    FillCodePickList(static_cast<QComboBox *>(input(QStringLiteral("cbbJSnl"))),
                     QStringLiteral("jsnl"));
}
