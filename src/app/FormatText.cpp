#include "FormatText.h"

std::vector<QStringView> FormatText::splitSections(QStringView text, std::size_t max)
{
    std::vector<QStringView> sections;
    if (max == 0)
        return sections;
    qsizetype start = 0;
    forEachUnquoted(text, [&](qsizetype i, QChar c) {
        if (c == u';') {
            sections.push_back(text.mid(start, i - start));
            start = i + 1;
        }
        return sections.size() < max;
    });
    if (sections.size() < max)
        sections.push_back(text.sliced(start));
    return sections;
}
