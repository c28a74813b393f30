#include "UnitPickDialog.h"

#include "CodeStatements.h"
#include "UnitChoice.h"

#include "app/DataModule.h"
#include "app/Messages.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int ListWidth = 360;
constexpr int ListHeight = 240;
} // namespace

UnitPickDialog::UnitPickDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDlgXzCltStr"));
    setWindowTitle(Caption);

    // Two columns: items flow down the first column, then the second.
    clbItemList = new QListWidget(this);
    clbItemList->setObjectName(QStringLiteral("clbItemList"));
    clbItemList->setFlow(QListView::TopToBottom);
    clbItemList->setWrapping(true);
    clbItemList->setResizeMode(QListView::Adjust);
    clbItemList->setUniformItemSizes(true);
    clbItemList->setGridSize(QSize(ListWidth / 2 - 8, 22));
    clbItemList->setFixedSize(ListWidth, ListHeight);

    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(clbItemList);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool UnitPickDialog::fillUnits()
{
    const SqlStatement units = CodeStatements::units();
    const QueryResult found = dm().db().query(units.sql, units.params);
    if (!found.ok) {
        ShowMess(this, DataModule::OperationFailed, 3);
        return false;
    }
    if (found.rows.isEmpty()) {
        ShowMess(this, NoUnitsMessage, 0);
        return false;
    }
    clbItemList->clear();
    for (int row = 0; row < found.rows.rowCount(); ++row) {
        auto *item = new QListWidgetItem(found.rows.text(row, 0), clbItemList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    return true;
}

bool UnitPickDialog::PickUnits(const QString &current, QString &result)
{
    result = current;
    if (!fillUnits())
        return false;
    const QSet<QString> chosen = UnitChoice::chosenUnits(current);
    for (int i = 0; i < clbItemList->count(); ++i) {
        QListWidgetItem *item = clbItemList->item(i);
        item->setCheckState(chosen.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
    if (exec() != QDialog::Accepted)
        return false;
    QStringList checked;
    for (int i = 0; i < clbItemList->count(); ++i)
        if (clbItemList->item(i)->checkState() == Qt::Checked)
            checked << clbItemList->item(i)->text();
    result = UnitChoice::result(checked);
    return true;
}
