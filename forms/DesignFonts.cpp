#include "DesignFonts.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace DesignFonts {

void installSubstitutes()
{
    // Wine's outline rendition of the old dialog font has its very metrics, where installed.
    const QString dialogFont = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
    if (QFileInfo::exists(dialogFont))
        QFontDatabase::addApplicationFont(dialogFont);

    // Liberation Sans has the narrow metrics of the old dialog font; DejaVu Sans is drawn on the
    // same wide proportions as Verdana; Liberation Mono keeps Courier's advance widths.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                           QStringLiteral("Bitstream Vera Sans"),
                                                           QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                QStringLiteral("DejaVu Sans Mono")});
}

namespace {

double designSize(double wholePoints)
{
    if (wholePoints == 8)
        return 8.25;
    if (wholePoints == 10)
        return 9.75;
    if (wholePoints == 14)
        return 13.5;
    return wholePoints;
}

void applyTo(QWidget* widget)
{
    QFont font = widget->font();
    if (!(font.resolveMask() & QFont::SizeResolved))
        return; // inherits its parent's, which is done already
    font.setPointSizeF(designSize(font.pointSizeF()));
    widget->setFont(font);
}

} // namespace

void applyDesignSizes(QWidget* root)
{
    applyTo(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        applyTo(child);
}

} // namespace DesignFonts
