#pragma once
// One record kind's list window over a real database with a small fleet: vehicles of the
// restricted operator's two units, one of another unit and one out of service, and the
// platform's clock on 2024-03-15.
#include "app/DataModule.h"
#include "db/RecordKinds.h"
#include "records/RecordEditor.h"
#include "records/RecordListWindow.h"
#include "support/ModalHelper.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "widgets/NumberEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace recordtest {

inline const QDate Today{2024, 3, 15};

inline QString day(int month, int dayOfMonth, int year = 2024)
{
    return QDate(year, month, dayOfMonth).toString(QStringLiteral("yyyy-MM-dd"));
}

// Gives every required input of an editor a value that passes its check.
inline void fillRequired(RecordEditor &editor)
{
    for (const RecordCheck &check : editor.kind().checks) {
        QWidget *input = editor.input(check.control);
        if (check.positive)
            static_cast<NumberEdit *>(input)->setValue(10);
        else if (auto *line = qobject_cast<QLineEdit *>(input))
            line->setText(QStringLiteral("值"));
        else if (auto *box = qobject_cast<QComboBox *>(input))
            box->setEditText(QStringLiteral("值"));
    }
}

struct KindFixture {
    TestEnvironment env;
    const RecordKind &kind;
    std::unique_ptr<RecordListWindow> list;

    explicit KindFixture(const QString &word, bool connect = true)
        : kind(*RecordKinds::byWord(word))
    {
        env.platform().clock = QDateTime(Today, QTime(10, 0));
        if (!connect)
            return;
        env.connect();
        addFleet();
    }

    static void addFleet()
    {
        orvtest::addVehicle(QStringLiteral("浙A1"), orvtest::PlainUnit);
        orvtest::addVehicle(QStringLiteral("浙A2"), orvtest::QuotedUnit);
        orvtest::addVehicle(QStringLiteral("浙A3"), QStringLiteral("别的车队"));
        orvtest::addVehicle(QStringLiteral("浙X9"), orvtest::PlainUnit, true);
    }

    qint64 add(const QString &plate, const QString &date, SqlParams extra = {}) const
    {
        extra.insert(QStringLiteral("F_CPcode"), plate);
        extra.insert(kind.dateField, date);
        return orvtest::addRow(kind.table, extra);
    }

    RecordListWindow &open()
    {
        list = std::make_unique<RecordListWindow>(kind);
        list->show();
        return *list;
    }

    QStringList plates() const { return column(QStringLiteral("F_CPcode")); }
    QStringList column(const QString &field) const
    {
        QStringList values;
        for (int row = 0; row < list->rows()->rowCount(); ++row)
            values << list->rows()->text(row, field);
        return values;
    }

    // Runs `act` in the kind's editor, opened by 新增 or 修改 of the list.
    bool inEditor(bool change, const std::function<void(RecordEditor &)> &act)
    {
        bool ran = false;
        orvtest::whenModalNamed(kind.editorClass(), [&](QWidget *w) {
            auto &editor = static_cast<RecordEditor &>(*w);
            act(editor);
            ran = true;
            if (editor.isVisible())
                editor.reject();
        });
        if (change)
            list->tbEditClick();
        else
            list->tbNewClick();
        return ran;
    }
};

// Adds one data row per record kind (the kind word) to a data-driven test.
inline void everyKind()
{
    QTest::addColumn<QString>("word");
    for (const RecordKind &kind : RecordKinds::all())
        QTest::newRow(qPrintable(kind.word)) << kind.word;
}

} // namespace recordtest
