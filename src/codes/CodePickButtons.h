#pragma once
#include <QString>
#include <vector>

class QWidget;

// One pick button of an editor: the small button beside a drop-down that runs the code picker
// for one code type. The same button name can pick different types with different captions in
// different editors (sbDept: "部门资料" for employees, "用车部门资料" for trips).
struct CodePickButton {
    QString window;  // the editor's objectName
    QString button;  // the pick button's objectName
    QString key;     // the code type it picks
    QString caption; // the picker's caption; the button's hint is "增加" + caption
    QString target;  // the drop-down's objectName
};

// Every pick button of the editors, so that an editor wires its buttons by name instead of
// spelling keys and captions itself.
namespace CodePickButtons {
const std::vector<CodePickButton> &all();
// Wires the pick buttons listed for the editor (by its objectName) to their drop-downs, both
// found among the editor's children by objectName (connectCodePickButton). Returns how many
// were wired; a listed button or drop-down the editor lacks is reported as a warning.
int connectAll(QWidget *editor);
} // namespace CodePickButtons
