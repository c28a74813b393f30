#include "PrintFonts.h"

#include "PrintPages.h"

#include <QFontDatabase>

QStringList PrintFonts::families()
{
    // Only faces really installed: fontconfig answers a request for 宋体 with a substitute, and
    // the Noto CJK faces it picks come last on purpose. In PDF files written with them, digits
    // and characters such as 车 lose their text (they map back to radicals or to nothing), so the
    // files could not be searched or copied from.
    static const QStringList available = [] {
        const QStringList wanted{QStringLiteral("SimSun"),
                                 QStringLiteral("宋体"),
                                 QStringLiteral("NSimSun"),
                                 QStringLiteral("WenQuanYi Zen Hei"),
                                 QStringLiteral("WenQuanYi Micro Hei"),
                                 QStringLiteral("AR PL UMing CN"),
                                 QStringLiteral("Noto Serif CJK SC"),
                                 QStringLiteral("Noto Sans CJK SC")};
        const QStringList installed = QFontDatabase::families();
        QStringList found;
        for (const QString &family : wanted) {
            if (installed.contains(family, Qt::CaseInsensitive))
                found << family;
        }
        return found;
    }();
    return available;
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
