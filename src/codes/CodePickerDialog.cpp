#include "CodePickerDialog.h"

#include "CodePick.h"
#include "CodeStatements.h"
#include "NameInputDialog.h"

#include "app/DataModule.h"
#include "grids/DataGrid.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString NameField = QStringLiteral("F_name");
const QString TypeField = QStringLiteral("F_type");
} // namespace

CodePickerDialog::CodePickerDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDLGcodeNewXZ"));
    setWindowTitle(Caption);

    auto *nameLabel = new QLabel(QStringLiteral("名称："), this);
    edtname = new QLineEdit(this);
    edtname->setObjectName(QStringLiteral("edtname"));
    nameLabel->setBuddy(edtname);
    btnQuery = new QPushButton(QStringLiteral("查询"), this);
    btnQuery->setObjectName(QStringLiteral("btnQuery"));

    DBGridEh1 = new DataGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    GridColumn name;
    name.fieldName = NameField;
    name.title = QStringLiteral("名称");
    name.width = 240;
    DBGridEh1->setColumns({name});
    DBGridEh1->setDataSet(&m_codes);
    DBGridEh1->view()->installEventFilter(this);

    btnNew = new QPushButton(QStringLiteral("新增"), this);
    btnNew->setObjectName(QStringLiteral("btnNew"));
    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnClose = new QPushButton(QStringLiteral("关闭"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    // Enter belongs to the grid (it confirms there); in the name box it presses nothing.
    for (QPushButton *button : {btnQuery, btnNew, btnOK, btnClose})
        button->setAutoDefault(false);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(edtname, 1);
    nameRow->addWidget(btnQuery);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnNew);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(buttons);
    resize(300, 360);

    connect(edtname, &QLineEdit::textChanged, this, &CodePickerDialog::edtnameChange);
    connect(btnQuery, &QPushButton::clicked, this, &CodePickerDialog::btnQueryClick);
    connect(btnNew, &QPushButton::clicked, this, &CodePickerDialog::btnNewClick);
    connect(btnOK, &QPushButton::clicked, this, &CodePickerDialog::btnOKClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGridEh1, &DataGrid::rowDoubleClicked, this, &CodePickerDialog::btnOKClick);
}

bool CodePickerDialog::PickCode(QComboBox *target, QString &name)
{
    const SqlStatement list = CodeStatements::pickerList(CodeType);
    name = target ? target->currentText() : QString();
    CodesAdded = false;
    if (dm().OpenQuery(list.sql, m_codes, list.params))
        m_codes.locate(NameField, name, DataSet::Match::Exact);
    DBGridEh1->setFocus();

    const bool confirmed = exec() == QDialog::Accepted;
    name = confirmed ? m_codes.fieldText(NameField) : QString();
    if (target) {
        if (CodesAdded)
            FillCodePickList(target, CodeType);
        if (confirmed)
            SelectPickListItem(name, target);
    }
    return confirmed;
}

void CodePickerDialog::edtnameChange()
{
    refilter();
}

void CodePickerDialog::btnQueryClick()
{
    refilter();
}

void CodePickerDialog::refilter()
{
    const SqlStatement filter = CodeStatements::pickerFilter(CodeType, edtname->text());
    dm().OpenQuery(filter.sql, m_codes, filter.params);
}

void CodePickerDialog::btnNewClick()
{
    QString text;
    {
        NameInputDialog input(this);
        if (!input.InputName(text))
            return;
    }
    const SqlStatement insert = CodeStatements::insertCode(CodeType, text);
    if (!dm().ExecSql(insert.sql, insert.params))
        return;
    CodesAdded = true;
    // The stored row is shown as the current one, so that 确定 picks it.
    if (m_codes.fieldIndex(NameField) < 0 || m_codes.fieldIndex(TypeField) < 0) {
        refilter();
        m_codes.locate(NameField, text, DataSet::Match::Exact);
        return;
    }
    const int row = m_codes.appendRow();
    m_codes.setValue(row, m_codes.fieldIndex(NameField), text);
    m_codes.setValue(row, m_codes.fieldIndex(TypeField), CodeType);
}

void CodePickerDialog::btnOKClick()
{
    accept();
}

bool CodePickerDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGridEh1->view() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            btnOKClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
