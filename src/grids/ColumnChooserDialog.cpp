#include "ColumnChooserDialog.h"

#include "DataGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ColumnChooserDialog::ColumnChooserDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TFrmDispFieldXZ"));
    setWindowTitle(Caption);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("CheckListBox1"));
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(48, 48));
    picture->setAlignment(Qt::AlignCenter);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    buttons->addWidget(picture);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(300, 360);

    connect(m_ok, &QPushButton::clicked, this, &ColumnChooserDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &ColumnChooserDialog::reject);
}

void ColumnChooserDialog::setGrid(DataGrid *grid)
{
    m_grid = grid;
    m_flags.clear();
    m_list->clear();
    if (!grid)
        return;
    for (const GridColumn &c : grid->columns()) {
        auto *item = new QListWidgetItem(c.title, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(c.visible ? Qt::Checked : Qt::Unchecked);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

int ColumnChooserDialog::execFor(DataGrid *grid)
{
    setGrid(grid);
    return exec();
}

void ColumnChooserDialog::accept()
{
    m_flags.clear();
    for (int i = 0; i < m_list->count(); ++i) {
        const bool ticked = m_list->item(i)->checkState() == Qt::Checked;
        m_flags.append(ticked ? QStringLiteral("1") : QStringLiteral("0"));
        if (m_grid && i < m_grid->columnCount())
            m_grid->setColumnVisible(i, ticked);
    }
    QDialog::accept();
}
