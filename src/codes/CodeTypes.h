#pragma once
#include <QString>
#include <vector>

// One type of the code dictionary: the key filed in t_code.F_type and the caption of its tab in
// the dictionary window (with its surrounding blanks).
struct CodeType {
    QString key;
    QString caption;

    // The tab's component name: "t" followed by the key.
    QString tabName() const { return QLatin1Char('t') + key; }
};

// The twenty-one code types the dictionary window keeps, in the order of its tabs.
namespace CodeTypes {
const std::vector<CodeType> &all();
// nullptr when no type has that key (exact spelling).
const CodeType *find(const QString &key);
// The key a tab's component name stands for: the name without its first letter.
QString keyFromTabName(const QString &tabName);
} // namespace CodeTypes
