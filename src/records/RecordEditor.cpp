#include "RecordEditor.h"

#include "FuelFigures.h"
#include "NumberFormats.h"

#include "app/Globals.h"
#include "codes/CodePick.h"
#include "codes/CodePickButtons.h"
#include "db/DataSet.h"
#include "forms/EditorParts.h"
#include "forms/FieldInputs.h"
#include "forms/PictureSlot.h"
#include "vehicles/PicturePages.h"
#include "vehicles/VehiclePicker.h"
#include "widgets/NumberEdit.h"
#include "widgets/PickList.h"
#include "widgets/ReadOnlyLook.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

FieldKind fieldKind(RecordInputKind kind)
{
    switch (kind) {
    case RecordInputKind::Text:
        return FieldKind::Text;
    case RecordInputKind::List:
        return FieldKind::EditablePickList;
    case RecordInputKind::Date:
        return FieldKind::Date;
    case RecordInputKind::OptionalDate:
        return FieldKind::OptionalDate;
    case RecordInputKind::Number:
        return FieldKind::Number;
    case RecordInputKind::Money:
        return FieldKind::Currency;
    case RecordInputKind::Memo:
        return FieldKind::Memo;
    case RecordInputKind::Picture:
        return FieldKind::Picture;
    case RecordInputKind::PictureName:
        return FieldKind::PictureName;
    }
    return FieldKind::Text;
}

// The accident editor's pages; the other kinds have one page.
const QStringList AccidentPages{QStringLiteral("事故信息"), QStringLiteral("处理结果"),
                                QStringLiteral("图片信息")};
const QStringList PictureTabs{QStringLiteral(" 图 片 一 "), QStringLiteral(" 图 片 二 "),
                              QStringLiteral(" 图 片 三 ")};

} // namespace

RecordEditor::RecordEditor(const RecordKind &kind, QWidget *parent)
    : EditorDialog(kind.editorClass(), kind.table,
                   {kind.recordTitle,
                    QStringLiteral("增加") + kind.recordTitle + QStringLiteral("！"),
                    QStringLiteral("修改") + kind.recordTitle + QStringLiteral("！")},
                   parent),
      m_kind(kind)
{
    edtCPcode = new QLineEdit(body());
    edtCPcode->setObjectName(RecordKinds::PlateControl);
    sbSPcode = pickButton(body(), "sbSPcode");
    connect(sbSPcode, &QToolButton::clicked, this, &RecordEditor::sbSPcodeClick);

    QList<EditorField> fields{{QStringLiteral("F_mainID"),
                               QStringLiteral("mainID"),
                               {},
                               FieldKind::Value,
                               false,
                               [this] { return QVariant(VehicleId); },
                               [this](const QVariant &v) { VehicleId = v.toLongLong(); }},
                              {QStringLiteral("F_CPcode"), QStringLiteral("CPcode"),
                               RecordKinds::PlateControl, FieldKind::Text}};
    for (const RecordInput &row : kind.inputs) {
        fields.append({row.field(), row.param, row.control, fieldKind(row.kind)});
        if (!findChild<QWidget *>(row.control))
            FieldInputs::make(fieldKind(row.kind), row.control, body());
    }
    setFields(fields);

    QList<EditorCheck> checks{
        {RecordKinds::PlateControl, EditorCheck::Rule::NotEmpty, RecordKinds::PlateMessage}};
    for (const RecordCheck &check : kind.checks)
        checks.append({check.control,
                       check.positive ? EditorCheck::Rule::Positive : EditorCheck::Rule::NotEmpty,
                       check.message});
    setChecks(checks);
    setNextRecordFocus(RecordKinds::PlateControl);

    for (const RecordInput &row : kind.inputs) {
        QWidget *widget = findChild<QWidget *>(row.control);
        if (row.kind == RecordInputKind::Money)
            static_cast<NumberEdit *>(widget)->setDecimals(4);
        if (row.readOnly) {
            widget->setFocusPolicy(Qt::NoFocus);
            static_cast<QLineEdit *>(widget)->setReadOnly(true);
            widget->setStyleSheet(QStringLiteral("background-color: aqua"));
        }
        // Date pickers are no tab stops.
        if (row.kind == RecordInputKind::Date || row.kind == RecordInputKind::OptionalDate)
            widget->setFocusPolicy(Qt::ClickFocus);
    }
    for (const RecordEnterList &list : kind.enterLists)
        RefillPickListOnEnter(findChild<QComboBox *>(list.control), SqlStatement(list.sql));

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    bool paged = false;
    for (const RecordInput &row : kind.inputs)
        paged = paged || row.page > 0;
    if (!paged) {
        layout->addWidget(buildPage(0, body()));
    } else {
        auto *pages = new QTabWidget(body());
        pages->setObjectName(QStringLiteral("PageControl1"));
        for (int page = 0; page < AccidentPages.size(); ++page)
            pages->addTab(page == 2 ? buildPicturePage(pages) : buildPage(page, pages),
                          AccidentPages.at(page));
        layout->addWidget(pages);
    }
    CodePickButtons::connectAll(this);
    if (kind.word == QLatin1String("yh"))
        connectFuelFigures(this);
}

QWidget *RecordEditor::buildPage(int page, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *grid = new QGridLayout(panel);
    int line = 0;
    const auto addRow = [&](const QString &label, QWidget *input, QWidget *button, bool star) {
        grid->addWidget(new QLabel(label, panel), line, 0,
                        qobject_cast<QLineEdit *>(input) || qobject_cast<QComboBox *>(input) ||
                                input->inherits("QDateEdit")
                            ? Qt::AlignVCenter
                            : Qt::AlignTop);
        input->setParent(panel);
        grid->addWidget(input, line, 1);
        if (button) {
            button->setParent(panel);
            grid->addWidget(button, line, 2);
        }
        if (star)
            grid->addWidget(requiredMark(panel), line, 3);
        ++line;
    };
    if (page == 0)
        addRow(QStringLiteral("车    牌："), edtCPcode, sbSPcode, true);
    for (const RecordInput &row : m_kind.inputs) {
        if (row.page != page)
            continue;
        QToolButton *pick = nullptr;
        for (const RecordPickButton &b : m_kind.pickButtons) {
            if (b.target != row.control)
                continue;
            pick = pickButton(panel, b.button.toLatin1().constData());
        }
        addRow(row.label, findChild<QWidget *>(row.control), pick, row.asterisk);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(line, 1);
    return panel;
}

QWidget *RecordEditor::buildPicturePage(QWidget *parent)
{
    m_pictures = new PicturePages(this,
                                  {QStringLiteral("PageControl2"), PictureTabs,
                                   QStringLiteral("BitBtn1"), QStringLiteral("BitBtn2")},
                                  parent);
    return m_pictures;
}

PictureSlot *RecordEditor::picture(int slot) const
{
    return m_pictures ? m_pictures->slot(slot) : nullptr;
}

void RecordEditor::UseArchiveSource(bool fromArchive, DataSet *vehicles)
{
    FromArchive = fromArchive;
    m_vehicles = fromArchive ? vehicles : nullptr;
}

void RecordEditor::fillLists()
{
    for (const RecordCodeList &list : m_kind.codeLists)
        FillCodePickList(findChild<QComboBox *>(list.control), list.codeType);
}

void RecordEditor::afterLoad(bool change)
{
    if (change)
        return;
    // A new record of the archive's vehicle keeps that vehicle.
    const bool fixed = FromArchive && m_vehicles && m_vehicles->currentRow() >= 0;
    VehicleId = fixed ? m_vehicles->fieldValue(u"F_ID").toLongLong() : 0;
    if (fixed)
        edtCPcode->setText(m_vehicles->fieldText(u"F_code"));
    setReadOnlyLook(edtCPcode, fixed);
    sbSPcode->setVisible(!fixed);
}

void RecordEditor::sbSPcodeClick()
{
    VehiclePicker picker(this);
    if (const auto picked = picker.PickVehicle()) {
        VehicleId = picked->id;
        edtCPcode->setText(picked->plate);
    }
}

void RecordEditor::showEvent(QShowEvent *event)
{
    EditorDialog::showEvent(event);
    for (const RecordInputFormat &format : m_kind.inputFormats)
        if (auto *edit = findChild<NumberEdit *>(format.control))
            edit->setDisplayFormat(displayFormatOf(format.format));
}
