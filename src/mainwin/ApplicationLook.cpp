#include "ApplicationLook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString firstFamily(const QStringList &candidates)
{
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString &candidate : candidates) {
        for (const QString &family : families) {
            if (family.compare(candidate, Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    return families.isEmpty() ? QString() : families.first();
}

} // namespace

QString chineseFontFamily()
{
    return firstFamily({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                        QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("WenQuanYi Micro Hei"),
                        QStringLiteral("Noto Sans SC"), QStringLiteral("Droid Sans Fallback")});
}

void applyApplicationLook()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Qt's own texts (file dialogs, standard buttons, context menus of edits) in Chinese.
    auto *translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
    const QString sans = chineseFontFamily();
    if (!sans.isEmpty()) {
        QFont font(sans);
        font.setPointSizeF(QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF()
                                                                 : 9.0);
        QApplication::setFont(font);
    }
    const QString serif =
        firstFamily({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                     QStringLiteral("Source Han Serif SC")});
    for (const QString &name : {QStringLiteral("宋体"), QStringLiteral("SimSun")})
        QFont::insertSubstitutions(name, {serif.isEmpty() ? sans : serif, sans});
}
