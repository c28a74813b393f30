#include "PrintFonts.h"

#include "PrintPages.h"

QStringList PrintFonts::families()
{
    return {QStringLiteral("SimSun"),
            QStringLiteral("宋体"),
            QStringLiteral("NSimSun"),
            QStringLiteral("Noto Serif CJK SC"),
            QStringLiteral("AR PL UMing CN"),
            QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("WenQuanYi Micro Hei")};
}

QFont PrintFonts::font(double points, bool bold)
{
    QFont font;
    font.setFamilies(families());
    font.setPixelSize(std::max(1, qRound(PrintPages::pt(points))));
    font.setBold(bold);
    // Unhinted metrics scale with the painter, so a preview shows what the printer prints.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
