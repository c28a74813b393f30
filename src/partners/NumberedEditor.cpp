#include "NumberedEditor.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "db/DataSet.h"
#include "widgets/ReadOnlyLook.h"

#include <QLineEdit>

NumberedEditor::NumberedEditor(const QString &objectName, const QString &title, Numbering numbering,
                               QWidget *parent)
    : EditorDialog(objectName, numbering.table, {title, {}, {}}, parent),
      m_numbering(std::move(numbering))
{
}

QLineEdit *NumberedEditor::codeBox() const
{
    return static_cast<QLineEdit *>(input(m_numbering.codeControl));
}

QList<EditorCheck> NumberedEditor::numberChecks()
{
    return {{m_numbering.codeControl, EditorCheck::Rule::NotEmpty, m_numbering.emptyMessage},
            {m_numbering.codeControl, EditorCheck::Rule::Custom, m_numbering.duplicateMessage,
             [this] { return numberIsFree(); }}};
}

QString NumberedEditor::nextNumber() const
{
    return dm().NextCode(QStringLiteral("select max(F_code) from ") + m_numbering.table, 4);
}

bool NumberedEditor::numberIsFree()
{
    const int found =
        dm().QueryInt(SqlStatement(QStringLiteral("select F_ID from ") + m_numbering.table +
                                       QStringLiteral(" where F_Code = :code"),
                                   {{QStringLiteral("code"), codeBox()->text().trimmed()}}));
    if (found <= 0)
        return true;
    if (EditMode && source() && source()->fieldValue(u"F_ID").toLongLong() == found)
        return true;
    if (!Globals::AutoCode)
        return false;
    // Another copy took the generated number meanwhile: the next free one is used silently.
    const QString next = nextNumber();
    if (next.isEmpty())
        return false;
    codeBox()->setText(next);
    return true;
}

void NumberedEditor::afterLoad(bool change)
{
    QLineEdit *code = codeBox();
    const bool generated = !change && Globals::AutoCode;
    if (generated)
        code->setText(nextNumber());
    setReadOnlyLook(code, change || generated);
    setNextRecordFocus(generated ? m_numbering.nameControl : m_numbering.codeControl);
}

void NumberedEditor::moveToSaved(DataSet &source, qint64)
{
    source.locate(u"F_code", codeBox()->text().trimmed(), DataSet::Match::Exact);
}
