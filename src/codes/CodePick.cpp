#include "CodePick.h"

#include "CodePickerDialog.h"
#include "CodeStatements.h"

#include "widgets/PickList.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPointer>

void FillCodePickList(QComboBox *box, const QString &key)
{
    const SqlStatement list = CodeStatements::pickList(key);
    FillPickList(list.sql, list.params, box);
}

QString PickCodeFor(QWidget *owner, const QString &key, const QString &caption, QComboBox *target)
{
    CodePickerDialog picker(owner);
    picker.CodeType = key;
    picker.setWindowTitle(caption);
    QString name;
    picker.PickCode(target, name);
    return name;
}

void connectCodePickButton(QAbstractButton *button, const QString &key, const QString &caption,
                           QComboBox *target)
{
    button->setToolTip(QStringLiteral("增加") + caption);
    QPointer<QComboBox> box = target;
    QObject::connect(button, &QAbstractButton::clicked, button, [button, key, caption, box] {
        if (box)
            PickCodeFor(button->window(), key, caption, box);
    });
}
