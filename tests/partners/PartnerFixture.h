#pragma once
// A list window of the partner units or the employees over a fresh database, and the editor it
// opens by 新增 or 修改.
#include "app/DataModule.h"
#include "app/Globals.h"
#include "db/PartnerKinds.h"
#include "grids/DataGrid.h"
#include "grids/GridModel.h"
#include "partners/EmployeeEditor.h"
#include "partners/EmployeeListWindow.h"
#include "partners/PartnerEditor.h"
#include "partners/PartnerListWindow.h"
#include "partners/SearchBar.h"
#include "support/ModalHelper.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace partnertest {

inline QVariant stored(const QString &table, qint64 id, const QString &field)
{
    const QueryResult r =
        dm().db().query(QStringLiteral("select ") + field + QStringLiteral(" from ") + table +
                            QStringLiteral(" where F_ID = :id"),
                        {{QStringLiteral("id"), id}});
    return r.ok && r.rows.rowCount() ? r.rows.value(0, 0) : QVariant();
}

inline int count(const QString &table)
{
    return dm().QueryInt(QStringLiteral("select count(*) from ") + table);
}

inline int logCount()
{
    return dm().QueryInt(QStringLiteral("select count(*) from LogRec"));
}

// The codes of the rows a list shows, in order.
inline QStringList codes(ListWindow &list)
{
    QStringList values;
    for (int row = 0; row < list.rows()->rowCount(); ++row)
        values << list.rows()->text(row, u"F_code");
    return values;
}

inline bool markedRed(ListWindow &list, int row)
{
    const QVariant brush = list.grid()->model()->index(row, 0).data(Qt::ForegroundRole);
    return brush.isValid() && brush.value<QBrush>().color() == Qt::red;
}

// Types into the shown search input of the bar (the value list for the types that have one).
inline void search(SearchBar *bar, int type, const QString &text)
{
    bar->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(type);
    if (bar->valueList()->isVisibleTo(bar))
        bar->valueList()->setEditText(text);
    else
        bar->textBox()->setText(text);
}

inline void setText(QWidget *editor, const char *control, const QString &text)
{
    QWidget *input = editor->findChild<QWidget *>(QString::fromLatin1(control));
    if (auto *box = qobject_cast<QComboBox *>(input))
        box->setEditText(text);
    else
        input->setProperty(qobject_cast<QLineEdit *>(input) ? "text" : "plainText", text);
}

inline QString textOf(QWidget *editor, const char *control)
{
    QWidget *input = editor->findChild<QWidget *>(QString::fromLatin1(control));
    if (auto *box = qobject_cast<QComboBox *>(input))
        return box->currentText();
    return input->property(qobject_cast<QLineEdit *>(input) ? "text" : "plainText").toString();
}

// Runs `act` in the list's editor (the objectName), opened by 新增 or 修改; closes it after.
template <typename List>
bool inEditor(List &list, const QString &editorName, bool change,
              const std::function<void(QDialog &)> &act)
{
    bool ran = false;
    orvtest::whenModalNamed(editorName, [&](QWidget *w) {
        auto &editor = static_cast<QDialog &>(*w);
        act(editor);
        ran = true;
        if (editor.isVisible())
            editor.reject();
    });
    if (change)
        list.tbEditClick();
    else
        list.tbNewClick();
    return ran;
}

// One data row per partner kind (its word).
inline void everyKind()
{
    QTest::addColumn<QString>("word");
    for (const PartnerKind &kind : PartnerKinds::all())
        QTest::newRow(qPrintable(kind.word)) << kind.word;
}

inline qint64 addUnit(const PartnerKind &kind, const QString &code, const QString &name,
                      SqlParams extra = {})
{
    extra.insert(QStringLiteral("F_code"), code);
    extra.insert(QStringLiteral("F_name"), name);
    if (!extra.contains(QStringLiteral("F_useFlag")))
        extra.insert(QStringLiteral("F_useFlag"), false);
    return orvtest::addRow(kind.table, extra);
}

struct PartnerFixture {
    TestEnvironment env;
    const PartnerKind &kind;
    std::unique_ptr<PartnerListWindow> list;

    explicit PartnerFixture(const QString &word) : kind(*PartnerKinds::byWord(word))
    {
        env.connect();
    }
    PartnerListWindow &open()
    {
        list = std::make_unique<PartnerListWindow>(kind);
        list->show();
        return *list;
    }
    bool inEditor(bool change, const std::function<void(PartnerEditor &)> &act)
    {
        return partnertest::inEditor(*list, kind.editorClass(), change,
                                     [&](QDialog &d) { act(static_cast<PartnerEditor &>(d)); });
    }
};

struct EmployeeFixture {
    TestEnvironment env;
    std::unique_ptr<EmployeeListWindow> list;

    EmployeeFixture() { env.connect(); }
    EmployeeListWindow &open()
    {
        list = std::make_unique<EmployeeListWindow>();
        list->show();
        return *list;
    }
    bool inEditor(bool change, const std::function<void(EmployeeEditor &)> &act)
    {
        return partnertest::inEditor(*list, QStringLiteral("TfrmEmpEdit"), change,
                                     [&](QDialog &d) { act(static_cast<EmployeeEditor &>(d)); });
    }
};

} // namespace partnertest
