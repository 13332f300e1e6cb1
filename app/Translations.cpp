#include "Translations.h"

#include "QtCatalogueOnDemand.h"

#include <QCoreApplication>
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
    // English has a catalogue too, for its plural forms ("1 minute left").
    auto* program = new QTranslator(QCoreApplication::instance());
    if (program->load(locale, QStringLiteral("somnivo"), QStringLiteral("_"),
                      QStringLiteral(":/i18n")) ||
        program->load(QStringLiteral(":/i18n/somnivo_en")))
        QCoreApplication::installTranslator(program);
    // Qt's only when its texts may first be shown.
    new QtCatalogueOnDemand(locale, QCoreApplication::instance());
}

} // namespace Translations
