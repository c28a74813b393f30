#pragma once
#include "EditorFields.h"

#include <QDialog>
#include <QPointer>

class DataSet;
class QCheckBox;
class QPushButton;
class QToolButton;
class BrowseButtons;

// The base of every editor: a field table drives loading, clearing, the bound INSERT or UPDATE
// and the checks; the base runs the save as one unit and the bottom strip (连续新增, the record
// navigator, 确定 and 取消). The window builds its inputs (FieldInputs::make) into body() and
// says which rows and checks it has.
//
// Save (确定, Ctrl+S): the checks in order, each with its message and focus; then one
// transaction with the statement, the commit, the refresh of the source data set and the move
// to the saved row, and the log entry. A database that refuses rolls back and shows
// "保存失败，请检测数据库连接！"; the dialog stays open with every input as typed.
class EditorDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString SaveFailedMessage = QStringLiteral("保存失败，请检测数据库连接！");
    static inline const QString AddSuffix = QStringLiteral(" - 新增");
    static inline const QString ChangeSuffix = QStringLiteral(" - 修改");

    // The editor's texts: the title of its caption and the two log entries.
    struct Texts {
        QString title;
        QString logAdd;
        QString logChange;
    };

    // The data set whose current row is changed and which is refreshed after a save.
    void setSource(DataSet *source) { m_source = source; }
    DataSet *source() const { return m_source; }

    // OpenEditor: false adds, true changes the source's current row. Shows the dialog modally
    // and returns when it closes.
    int OpenEditor(bool change);
    bool EditMode = false;

    // 确定: true when the record was saved.
    bool save();
    // LoadFields: true loads the source's current row, false clears for a new record.
    void LoadFields(bool change);

    QWidget *input(const QString &control) const;
    QWidget *body() const { return m_body; }
    QCheckBox *continuousAdd() const { return CheckBox1; }
    QPushButton *okButton() const { return Button1; }
    QPushButton *cancelButton() const { return Button2; }
    QWidget *navigator() const { return DBNavigator1; }

protected:
    EditorDialog(const QString &objectName, const QString &table, Texts texts, QWidget *parent);

    void setFields(QList<EditorField> fields) { m_fields = std::move(fields); }
    void setChecks(QList<EditorCheck> checks) { m_checks = std::move(checks); }
    // The input that takes the focus when 连续新增 keeps the dialog open.
    void setNextRecordFocus(const QString &control) { m_nextFocus = control; }

    // OpenEditor's step between the mode and the loading: fill the drop-downs.
    virtual void fillLists() {}
    // After the inputs were loaded or cleared (read-only looks, extra state).
    virtual void afterLoad(bool /*change*/) {}
    // Moves the refreshed source to the saved row (by default the row with that F_ID).
    virtual void moveToSaved(DataSet &source, qint64 id);
    // After adding: true keeps the dialog open, cleared, for the next record (连续新增).
    virtual bool keepsOpenForNext() const;

    void SetEditMode(bool change);

private:
    bool runChecks();
    QVariantMap storedValues() const;
    void navigate();

    QString m_table;
    Texts m_texts;
    QList<EditorField> m_fields;
    QList<EditorCheck> m_checks;
    QString m_nextFocus;
    QPointer<DataSet> m_source;
    BrowseButtons *m_navigator = nullptr;

    QWidget *m_body;
    QCheckBox *CheckBox1;
    QWidget *DBNavigator1;
    QPushButton *Button1;
    QPushButton *Button2;
};
