#include "DesignFonts.h"

#include <QFont>
#include <QWidget>

namespace DesignFonts {

namespace {

// The family drawn for a family a design names.
QString standIn(const QString& designFamily)
{
    // Carlito is narrow enough for every caption of the old dialog font at every display scale
    // (Liberation Sans is not: "ShutDown", "In" and the About window's address line overflow);
    // DejaVu Sans is drawn on the same wide proportions as Verdana; Liberation Mono keeps
    // Courier's advance widths.
    if (designFamily == QLatin1String("MS Sans Serif"))
        return QStringLiteral("Carlito");
    if (designFamily == QLatin1String("Verdana"))
        return QStringLiteral("DejaVu Sans");
    if (designFamily == QLatin1String("Courier"))
        return QStringLiteral("Liberation Mono");
    return designFamily;
}

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
    // A font the design does not set is inherited from the parent, which is done already.
    QFont font = widget->font();
    const auto set = font.resolveMask();
    if (!(set & (QFont::FamilyResolved | QFont::FamiliesResolved | QFont::SizeResolved)))
        return;
    if (set & (QFont::FamilyResolved | QFont::FamiliesResolved))
        font.setFamilies({standIn(font.families().value(0, font.family()))});
    if (set & QFont::SizeResolved)
        font.setPointSizeF(designSize(font.pointSizeF()));
    widget->setFont(font);
}

} // namespace

void applyDesignFonts(QWidget* root)
{
    applyTo(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        applyTo(child);
}

} // namespace DesignFonts
