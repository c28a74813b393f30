#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The eleven kinds of vehicle event record as data: everything in which the kinds' list windows,
// editors, archive pages, statistics and demo rows differ. One list window and one editor read
// this table; nobody restates a kind's table, fields or captions.

// What shows an editor input (the drop-downs are all editable: a typed value is kept).
enum class RecordInputKind {
    Text,
    List,
    Date,
    OptionalDate,
    Number,
    Money,
    Memo,
    Picture,
    PictureName
};

struct RecordInput {
    QString label;   // "维修类型："
    QString control; // cbbWXtype
    QString param;   // WXtype; the field is F_ + param
    RecordInputKind kind = RecordInputKind::Text;
    bool asterisk = false;
    bool readOnly = false; // the fuel editor's distance
    int page = 0;          // the accident editor's pages 0..2
    QString field() const { return QStringLiteral("F_") + param; }
};

// A check of the save, after the plate's: the input, and whether its number must be > 0 (else
// its trimmed text must not be empty).
struct RecordCheck {
    QString control;
    bool positive = false;
    QString message;
};

struct RecordSearch {
    QString caption; // item of the search type box
    QString field;
};

struct RecordGroup {
    QString item;    // item of the group type box
    QString caption; // title over the group list
    QString field;
};

enum class NumberFormatKind { Amount, Quantity, Price };

// A list column format rule: the lower-cased field name equals or contains `text`.
struct ColumnFormatRule {
    bool contains = false;
    QString text;
    NumberFormatKind format = NumberFormatKind::Amount;

    bool matches(const QString &lowerField) const
    {
        return contains ? lowerField.contains(text) : lowerField == text;
    }
};

struct RecordColumn {
    QString field;
    QString title;
};

// A drop-down filled with codes when the editor opens.
struct RecordCodeList {
    QString codeType;
    QString control;
};

// A code pick button beside a drop-down.
struct RecordPickButton {
    QString button;
    QString codeType;
    QString caption; // the picker's caption; the hint is "增加" + the subject
    QString target;
};

// A drop-down refilled from the partners or employees each time it is entered.
struct RecordEnterList {
    QString control;
    QString sql;
};

struct RecordInputFormat {
    QString control;
    NumberFormatKind format = NumberFormatKind::Amount;
};

struct RecordKind {
    int number = 0;      // 1..11, also the picker number and the archive page + 1
    QString word;        // wx, tb ... fyzc, fysr, yh
    QString table;       // T_WXrec
    QString listCaption; // "车辆维修记录管理"
    QString recordTitle; // "车辆维修记录": editor caption and log entries
    QString dateField;   // F_WXdate
    QString dateLabel;   // "维修日期：自"
    QString datePrefix;  // "维修"
    QString exportTitle; // "车辆维修记录"
    QString recordWord;  // "维修": the delete question ends " 维修记录吗？"
    QString nextDateField;
    QString archiveItem; // "维修记录": the vehicle archive's kind list
    QList<RecordSearch> searches;
    QList<RecordGroup> groups; // after group 1, the plate
    QList<RecordColumn> columns;
    QList<ColumnFormatRule> columnFormats;
    QList<RecordInput> inputs; // after the plate, in tab and statement order
    QList<RecordCheck> checks; // after the plate
    QList<RecordCodeList> codeLists;
    QList<RecordPickButton> pickButtons;
    QList<RecordEnterList> enterLists;
    QList<RecordInputFormat> inputFormats;

    int command() const { return 300 + number; }
    QString listClass() const
    {
        return QStringLiteral("TfrmCL") + word + QStringLiteral("InfoMan");
    }
    QString editorClass() const
    {
        return QStringLiteral("TfrmCL") + word + QStringLiteral("InfoEdit");
    }
    QString layoutKey() const { return QStringLiteral("cl") + word + QStringLiteral("infoman"); }
    QString reportName() const { return QStringLiteral("frCL") + word + QStringLiteral("InfoMan"); }
    // The vehicle archive's page of this kind: its grid's layout and its delete question.
    QString archiveLayoutKey() const { return QStringLiteral("cardetail%1").arg(number); }
    QString deleteQuestion(const QString &plate) const;
    QString archiveDeleteQuestion(const QString &date) const;
    const RecordInput *input(const QString &control) const;
};

namespace RecordKinds {
// The plate input every kind starts with.
inline const QString PlateControl = QStringLiteral("edtCPcode");
inline const QString PlateMessage = QStringLiteral("当前车牌不能为空！");

const QList<RecordKind> &all();
const RecordKind *byNumber(int number);
const RecordKind *byWord(const QString &word);
const RecordKind *byEditorClass(const QString &objectName);
} // namespace RecordKinds
