#pragma once
#include <QString>

// Answers the variables of a report template ("memoDate", "sCurKHname", "memoCaption") for the
// window that prints or designs it.
class ReportValueProvider {
public:
    virtual ~ReportValueProvider() = default;
    // The variable's text; a null text leaves the variable unanswered.
    virtual QString reportValue(const QString &name) = 0;
};
