#include "PickList.h"

#include "app/DataModule.h"
#include "app/Messages.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QListView>
#include <QSignalBlocker>

void FillPickList(const QString &sql, QComboBox *box)
{
    FillPickList(sql, {}, box);
}

void FillPickList(const QString &sql, const SqlParams &params, QComboBox *box)
{
    if (!box)
        return;
    const QueryResult result = dm().db().query(sql, params);
    if (!result.ok) {
        ShowMess(DataModule::OperationFailed, 3);
        return;
    }
    const ResultSet &rows = result.rows;
    QStringList items;
    items.reserve(rows.rowCount() + 1);
    items.append(QString());
    if (rows.columnCount() > 0) {
        for (int row = 0; row < rows.rowCount(); ++row) {
            QString text = rows.text(row, 0);
            if (!text.trimmed().isEmpty())
                items.append(std::move(text));
        }
    }

    const QSignalBlocker blocker(box);
    const QString shown = box->currentText();
    const bool editable = box->isEditable();
    // One row height for all items: the pop-up need not measure 20,000 of them.
    if (auto *view = qobject_cast<QListView *>(box->view()))
        view->setUniformItemSizes(true);
    box->clear();
    box->addItems(items);
    if (editable) {
        box->setEditText(shown);
    } else {
        const int index = shown.isEmpty() ? 0 : box->findText(shown, Qt::MatchExactly);
        box->setCurrentIndex(index < 0 ? 0 : index);
    }
}

void SelectPickListItem(const QString &value, QComboBox *box)
{
    if (!box)
        return;
    const QString wanted = value.trimmed();
    int match = -1;
    for (int i = box->count() - 1; i >= 0 && match < 0; --i)
        if (box->itemText(i).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            match = i;
    if (match >= 0)
        box->setCurrentIndex(match);
}

void makeEditablePickBox(QComboBox *box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    if (QCompleter *completer = box->completer()) {
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
    }
}

void makeListOnlyPickBox(QComboBox *box)
{
    box->setEditable(false);
}

void FillPickList(const SqlStatement &statement, QComboBox *box)
{
    FillPickList(statement.sql, statement.params, box);
}

namespace {

// Lives as a child of its box and refills it on every focus-in.
class RefillOnEnter : public QObject {
public:
    RefillOnEnter(QComboBox *box, SqlStatement statement)
        : QObject(box), m_box(box), m_statement(std::move(statement))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_box && event->type() == QEvent::FocusIn)
            FillPickList(m_statement, m_box);
        return false;
    }

private:
    QComboBox *m_box;
    SqlStatement m_statement;
};

} // namespace

void RefillPickListOnEnter(QComboBox *box, const SqlStatement &statement)
{
    new RefillOnEnter(box, statement);
}
