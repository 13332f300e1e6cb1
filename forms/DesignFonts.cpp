#include "DesignFonts.h"

#include <QFont>
#include <QWidget>

namespace DesignFonts {

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
    // A font the design does not set is inherited from the parent, which is done already.
    QFont font = widget->font();
    if (!(font.resolveMask() & QFont::SizeResolved))
        return;
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
