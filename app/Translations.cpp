#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

namespace Translations {

void install()
{
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    const QLocale locale;
    // Qt's own catalogue first: the one installed last is asked first, and the program's own
    // texts, asked for far more often, are then found without a search of Qt's thousands.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // English has a catalogue too, for its plural forms ("1 minute left").
    auto* program = new QTranslator(QCoreApplication::instance());
    if (program->load(locale, QStringLiteral("somnivo"), QStringLiteral("_"),
                      QStringLiteral(":/i18n")) ||
        program->load(QStringLiteral(":/i18n/somnivo_en")))
        QCoreApplication::installTranslator(program);
}

} // namespace Translations
