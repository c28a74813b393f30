#include "FieldInputs.h"

#include "PictureSlot.h"

#include "widgets/CurrencyEdit.h"
#include "widgets/DatePicker.h"
#include "widgets/PickList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Marks an item added to show a stored value that the list lacks; it goes at the next load.
constexpr int KeptValueRole = Qt::UserRole + 7;

void dropKeptValues(QComboBox *box)
{
    for (int i = box->count() - 1; i >= 0; --i)
        if (box->itemData(i, KeptValueRole).toBool())
            box->removeItem(i);
}

void loadListOnly(QComboBox *box, const QString &value)
{
    dropKeptValues(box);
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    if (value.trimmed().isEmpty())
        return;
    SelectPickListItem(value, box);
    if (box->currentText().trimmed().compare(value.trimmed(), Qt::CaseInsensitive) == 0)
        return;
    box->addItem(value);
    box->setItemData(box->count() - 1, true, KeptValueRole);
    box->setCurrentIndex(box->count() - 1);
}

} // namespace

QWidget *FieldInputs::make(FieldKind kind, const QString &objectName, QWidget *parent)
{
    QWidget *input = nullptr;
    switch (kind) {
    case FieldKind::Text:
        input = new QLineEdit(parent);
        break;
    case FieldKind::PickList: {
        auto *box = new QComboBox(parent);
        makeListOnlyPickBox(box);
        input = box;
        break;
    }
    case FieldKind::EditablePickList: {
        auto *box = new QComboBox(parent);
        makeEditablePickBox(box);
        input = box;
        break;
    }
    case FieldKind::Date:
    case FieldKind::OptionalDate: {
        auto *picker = new DatePicker(parent);
        picker->setCheckable(kind == FieldKind::OptionalDate);
        input = picker;
        break;
    }
    case FieldKind::Number:
        input = new NumberEdit(parent);
        break;
    case FieldKind::Currency:
        input = new CurrencyEdit(parent);
        break;
    case FieldKind::Memo: {
        auto *memo = new QPlainTextEdit(parent);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setTabChangesFocus(true);
        input = memo;
        break;
    }
    case FieldKind::Boolean:
        input = new QCheckBox(parent);
        break;
    case FieldKind::Picture:
    case FieldKind::PictureName:
        input = new PictureSlot(parent);
        break;
    case FieldKind::Value:
        return nullptr;
    }
    input->setObjectName(objectName);
    return input;
}

void FieldInputs::clear(QWidget *input, FieldKind kind)
{
    if (auto *line = qobject_cast<QLineEdit *>(input); line && !qobject_cast<NumberEdit *>(input))
        line->clear();
    else if (auto *number = qobject_cast<NumberEdit *>(input))
        number->setValue(0);
    else if (auto *picker = qobject_cast<DatePicker *>(input))
        picker->showToday(kind != FieldKind::OptionalDate);
    else if (auto *box = qobject_cast<QComboBox *>(input)) {
        dropKeptValues(box);
        if (box->isEditable())
            box->setEditText(QString());
        box->setCurrentIndex(box->isEditable() || box->count() == 0 ? -1 : 0);
        if (box->isEditable())
            box->setEditText(QString());
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(input))
        memo->clear();
    else if (auto *check = qobject_cast<QCheckBox *>(input))
        check->setChecked(false);
    else if (auto *slot = qobject_cast<PictureSlot *>(input))
        slot->clearPicture();
}

void FieldInputs::load(QWidget *input, FieldKind kind, const QVariant &value)
{
    switch (kind) {
    case FieldKind::Text:
        static_cast<QLineEdit *>(input)->setText(value.toString());
        break;
    case FieldKind::PickList:
        loadListOnly(static_cast<QComboBox *>(input), value.toString());
        break;
    case FieldKind::EditablePickList: {
        auto *box = static_cast<QComboBox *>(input);
        box->setCurrentIndex(-1);
        box->setEditText(value.toString());
        break;
    }
    case FieldKind::Date:
    case FieldKind::OptionalDate:
        static_cast<DatePicker *>(input)->loadStored(value);
        break;
    case FieldKind::Number:
    case FieldKind::Currency:
        static_cast<NumberEdit *>(input)->setValue(value.toDouble());
        break;
    case FieldKind::Memo:
        static_cast<QPlainTextEdit *>(input)->setPlainText(value.toString());
        break;
    case FieldKind::Boolean:
        static_cast<QCheckBox *>(input)->setChecked(value.toBool());
        break;
    case FieldKind::Picture: {
        auto *slot = static_cast<PictureSlot *>(input);
        slot->setStored(value.toByteArray(), slot->path());
        break;
    }
    case FieldKind::PictureName: {
        // Loaded after the bytes: a name without a picture to show means no picture.
        auto *slot = static_cast<PictureSlot *>(input);
        if (slot->hasPicture())
            slot->setStored(slot->bytes(), value.toString());
        break;
    }
    case FieldKind::Value:
        break;
    }
}

QVariant FieldInputs::stored(const QWidget *input, const EditorField &row)
{
    const auto textOf = [&row](const QString &text) {
        return QVariant(row.trimmed ? text.trimmed() : text);
    };
    switch (row.kind) {
    case FieldKind::Text:
    case FieldKind::PickList:
    case FieldKind::EditablePickList:
    case FieldKind::Memo:
        return textOf(text(input));
    case FieldKind::Date:
    case FieldKind::OptionalDate:
        return static_cast<const DatePicker *>(input)->storedText();
    case FieldKind::Number:
    case FieldKind::Currency:
        return number(input);
    case FieldKind::Boolean:
        return static_cast<const QCheckBox *>(input)->isChecked();
    case FieldKind::Picture: {
        const auto *slot = static_cast<const PictureSlot *>(input);
        // An empty slot stores no data (null), as the field of a record without a picture.
        return slot->hasPicture() ? QVariant(slot->bytes())
                                  : QVariant(QMetaType(QMetaType::QByteArray));
    }
    case FieldKind::PictureName:
        return static_cast<const PictureSlot *>(input)->fileName();
    case FieldKind::Value:
        return row.value ? row.value() : QVariant();
    }
    return {};
}

QString FieldInputs::text(const QWidget *input)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(input))
        return line->text();
    if (const auto *box = qobject_cast<const QComboBox *>(input))
        return box->currentText();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(input))
        return memo->toPlainText();
    return {};
}

double FieldInputs::number(const QWidget *input)
{
    if (const auto *edit = qobject_cast<const NumberEdit *>(input))
        return edit->value();
    return 0;
}
