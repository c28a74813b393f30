#include "EditorDialog.h"

#include "FieldInputs.h"

#include "app/DataModule.h"
#include "app/Messages.h"
#include "grids/BrowseButtons.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/WindowKeys.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *navigatorButton(QWidget *bar, const char *name, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(bar->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

EditorDialog::EditorDialog(const QString &objectName, const QString &table, Texts texts,
                           QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_table(table), m_texts(std::move(texts))
{
    setObjectName(objectName);
    setWindowTitle(m_texts.title);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("GroupBox1"));

    CheckBox1 = new QCheckBox(QStringLiteral("连续新增"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    DBNavigator1 = new QWidget(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    auto *first = navigatorButton(DBNavigator1, "nbFirst", QStyle::SP_MediaSkipBackward);
    auto *prior = navigatorButton(DBNavigator1, "nbPrior", QStyle::SP_MediaSeekBackward);
    auto *next = navigatorButton(DBNavigator1, "nbNext", QStyle::SP_MediaSeekForward);
    auto *last = navigatorButton(DBNavigator1, "nbLast", QStyle::SP_MediaSkipForward);
    auto *navigation = new QHBoxLayout(DBNavigator1);
    navigation->setContentsMargins(0, 0, 0, 0);
    navigation->setSpacing(0);
    // The buttons move the source first (BrowseButtons), then the inputs follow the new row.
    m_navigator = new BrowseButtons(nullptr, first, prior, next, last, this);
    for (QToolButton *button : {first, prior, next, last}) {
        navigation->addWidget(button);
        connect(button, &QToolButton::clicked, this, &EditorDialog::navigate);
    }

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *button : {Button1, Button2})
        button->setAutoDefault(false);

    auto *strip = new QHBoxLayout;
    strip->addWidget(CheckBox1);
    strip->addWidget(DBNavigator1);
    strip->addStretch();
    strip->addWidget(Button1);
    strip->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_body, 1);
    layout->addLayout(strip);

    connect(Button1, &QPushButton::clicked, this, &EditorDialog::save);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *keys = new WindowKeys(this);
    keys->bind(Qt::CTRL | Qt::Key_S, Button1).bind(Qt::Key_Escape, Button2);
    EnterMovesFocus::install(this);
}

int EditorDialog::OpenEditor(bool change)
{
    SetEditMode(change);
    fillLists();
    LoadFields(change);
    exec();
    return 0;
}

void EditorDialog::SetEditMode(bool change)
{
    EditMode = change;
    CheckBox1->setVisible(!change);
    DBNavigator1->setVisible(change);
    m_navigator->setDataSet(m_source);
    setWindowTitle(m_texts.title + (change ? ChangeSuffix : AddSuffix));
}

QWidget *EditorDialog::input(const QString &control) const
{
    return control.isEmpty() ? nullptr : findChild<QWidget *>(control);
}

void EditorDialog::LoadFields(bool change)
{
    const bool fromRow = change && m_source && m_source->currentRow() >= 0;
    // Picture names follow their bytes (a name without a picture is no picture).
    for (const bool names : {false, true}) {
        for (const EditorField &row : std::as_const(m_fields)) {
            if ((row.kind == FieldKind::PictureName) != names)
                continue;
            const QVariant value = fromRow ? m_source->fieldValue(row.field) : QVariant();
            if (row.kind == FieldKind::Value) {
                if (row.load)
                    row.load(value);
                continue;
            }
            QWidget *widget = input(row.control);
            if (!widget)
                continue;
            if (fromRow)
                FieldInputs::load(widget, row.kind, value);
            else
                FieldInputs::clear(widget, row.kind);
        }
    }
    afterLoad(change);
}

bool EditorDialog::runChecks()
{
    for (const EditorCheck &check : std::as_const(m_checks)) {
        QWidget *widget = input(check.control);
        bool passed = true;
        switch (check.rule) {
        case EditorCheck::Rule::NotEmpty:
            passed = !FieldInputs::text(widget).trimmed().isEmpty();
            break;
        case EditorCheck::Rule::Positive:
            passed = FieldInputs::number(widget) > 0;
            break;
        case EditorCheck::Rule::Custom:
            passed = !check.passes || check.passes();
            break;
        }
        if (!passed) {
            ShowMess(this, check.message, 0);
            if (widget)
                widget->setFocus();
            return false;
        }
    }
    return true;
}

QVariantMap EditorDialog::storedValues() const
{
    QVariantMap values;
    for (const EditorField &row : m_fields) {
        const QWidget *widget = input(row.control);
        if (row.kind == FieldKind::Value || widget)
            values.insert(row.param, FieldInputs::stored(widget, row));
    }
    return values;
}

bool EditorDialog::save()
{
    if (!runChecks())
        return false;
    const bool change = EditMode;
    qint64 id = change && m_source ? m_source->fieldValue(u"F_ID").toLongLong() : 0;
    const QVariantMap values = storedValues();
    const SqlStatement statement = change ? EditorStatements::update(m_table, m_fields, values, id)
                                          : EditorStatements::insert(m_table, m_fields, values);
    Db &db = dm().db();
    {
        Transaction transaction(db);
        DbResult done;
        if (transaction.isActive())
            done = db.exec(statement.sql, statement.params);
        if (!done.ok || !transaction.commit()) {
            // Rolled back by the transaction; every input stays as typed.
            ShowMess(this, SaveFailedMessage, 3);
            return false;
        }
        if (!change)
            id = done.lastInsertId;
    }
    if (m_source && dm().Requery(*m_source))
        moveToSaved(*m_source, id);

    // Editors without log texts write no entry.
    if (const QString &entry = change ? m_texts.logChange : m_texts.logAdd; !entry.isEmpty())
        dm().WriteLog(entry);
    if (change || !keepsOpenForNext()) {
        accept();
        return true;
    }
    LoadFields(false);
    if (QWidget *next = input(m_nextFocus))
        next->setFocus();
    return true;
}

void EditorDialog::moveToSaved(DataSet &source, qint64 id)
{
    if (!source.locate(u"F_ID", id) && !EditMode)
        source.last();
}

bool EditorDialog::keepsOpenForNext() const
{
    return CheckBox1->isChecked();
}

void EditorDialog::navigate()
{
    LoadFields(true);
}
