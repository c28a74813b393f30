#include "AboutDialog.h"

#include "CommandIcon.h"

#include "app/Globals.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAboutInfo"));
    setWindowTitle(Caption);

    auto *logo = new QLabel(this);
    logo->setPixmap(CommandIcon::tile(QChar(u'车'), CommandIcon::groupColour(0)).pixmap(48, 48));
    logo->setAlignment(Qt::AlignTop);

    auto *product = new QLabel(ProductName.trimmed(), this);
    product->setObjectName(QStringLiteral("lblProduct"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    product->setFont(big);
    auto *version = new QLabel(QStringLiteral("版本：") + VersionText.trimmed(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *about = new QLabel(
        QStringLiteral("为企业车队办公室管理车辆档案、员工与合作单位，记录维修、投保、缴费、"
                       "年审、事故、违章、投诉、出车、费用、收入和油耗，并提供到期提醒与统计。"),
        this);
    about->setWordWrap(true);
    // A wrapped label gets its height from a fixed width.
    about->setFixedWidth(320);
    auto *publisher = new QLabel(PublisherName, this);

    auto *texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(about);
    texts->addSpacing(8);
    texts->addWidget(publisher);
    auto *top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
