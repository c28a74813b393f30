#pragma once
#include "SqlStatement.h"

#include <QString>
#include <QStringList>

// One item of a list window's search type box: the field it searches, how the typed text
// matches, and where the value comes from: the text box, or the value list filled with fixed
// items or with the names of a code type.
struct ListSearch {
    QString caption;
    QString field;
    SqlStatement::Like match = SqlStatement::Like::Contains;
    QString codeType;   // the value list holds the names of this code type
    QStringList values; // the value list holds these items

    bool usesValueList() const { return !codeType.isEmpty() || !values.isEmpty(); }
};
