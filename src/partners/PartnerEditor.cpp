#include "PartnerEditor.h"

#include "PartnerFields.h"

#include "app/Messages.h"
#include "app/Platform.h"
#include "codes/CodePickButtons.h"
#include "db/DataSet.h"
#include "forms/FieldInputs.h"
#include "widgets/PickList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

PartnerEditor::PartnerEditor(const PartnerKind &kind, QWidget *parent)
    : NumberedEditor(kind.editorClass(), kind.recordTitle,
                     {kind.table, QStringLiteral("edtcode"), QStringLiteral("edtName"),
                      kind.emptyCodeMessage, kind.duplicateCodeMessage},
                     parent),
      m_kind(kind)
{
    setWindowTitle(kind.editorCaption);
    for (const EditorField &row : PartnerFields::all())
        FieldInputs::make(row.kind, row.control, body());
    auto *sex = static_cast<QComboBox *>(input(QStringLiteral("cbbSex")));
    sex->addItems({QString(), QStringLiteral("男"), QStringLiteral("女")});
    static_cast<QCheckBox *>(input(QStringLiteral("cbUseFlag")))->setText(QStringLiteral("停用"));

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildInputs());

    setFields(PartnerFields::all());
    setChecks(numberChecks());
    CodePickButtons::connectAll(this);
    findChild<QToolButton *>(QStringLiteral("sbZWname"))->setToolTip(kind.positionHint);
    resize(520, 430);
}

QWidget *PartnerEditor::buildInputs()
{
    auto *panel = new QWidget(body());
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto place = [&](const QString &label, const char *control, QWidget *after = nullptr) {
        grid->addWidget(new QLabel(label, panel), row, 0);
        grid->addWidget(input(QString::fromLatin1(control)), row, 1);
        if (after)
            grid->addWidget(after, row, 2);
        ++row;
    };
    auto *pick = new QToolButton(panel);
    pick->setObjectName(QStringLiteral("sbZWname"));
    pick->setText(QStringLiteral("..."));
    pick->setFocusPolicy(Qt::NoFocus);
    auto *send = new QPushButton(QStringLiteral("发件"), panel);
    send->setObjectName(QStringLiteral("Button4"));
    send->setAutoDefault(false);
    connect(send, &QPushButton::clicked, this, &PartnerEditor::Button4Click);

    place(QStringLiteral("编    号："), "edtcode");
    place(QStringLiteral("名    称："), "edtName");
    place(QStringLiteral("联 系 人："), "edtEmpName");
    place(QStringLiteral("职    务："), "cbbZWname", pick);
    place(QStringLiteral("性    别："), "cbbSex");
    place(QStringLiteral("电    话："), "edtPhone");
    place(QStringLiteral("手    机："), "edtHandPhone");
    place(QStringLiteral("传    真："), "edtFax");
    place(QStringLiteral("邮    编："), "edtPostcode");
    place(QStringLiteral("QQ："), "edtQQ");
    place(QStringLiteral("MSN："), "edtMSN");
    place(QStringLiteral("地    址："), "edtAddress");
    place(QStringLiteral("电子邮件："), "edtEmail", send);
    grid->addWidget(new QLabel(QStringLiteral("备    注："), panel), row, 0, Qt::AlignTop);
    grid->addWidget(input(QStringLiteral("Memo1")), row++, 1, 1, 2);
    grid->addWidget(input(QStringLiteral("cbUseFlag")), row, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

void PartnerEditor::fillLists()
{
    FillPickList(QStringLiteral("select distinct F_name from t_code where (F_name <> '') and "
                                "F_type = 'zwname' "),
                 static_cast<QComboBox *>(input(QStringLiteral("cbbZWname"))));
}

void PartnerEditor::Button4Click()
{
    auto *email = static_cast<QLineEdit *>(input(QStringLiteral("edtEmail")));
    const QString address = email->text().trimmed();
    if (!address.contains(QLatin1Char('@'))) {
        ShowMess(this, BadEmailMessage, 3);
        email->setFocus();
        return;
    }
    platform().openUrl(QUrl(QStringLiteral("mailto:") + address + QStringLiteral("?subject")));
}
