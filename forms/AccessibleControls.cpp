#include "AccessibleControls.h"

#include "ComboBoxAccessible.h"
#include "LineControl.h"
#include "LineControlAccessible.h"
#include "LinkLabel.h"
#include "LinkLabelAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>

#include <utility>

namespace {

constexpr char AlertProperty[] = "somnivoAlert";

// Asked for each class of an object, the most derived first, before Qt's own answers.
QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    if (className == QLatin1StringView("LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1StringView("QComboBox") &&
        !static_cast<QComboBox*>(object)->accessibleName().isEmpty())
        return new ComboBoxAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1StringView("LineControl"))
        return new LineControlAccessible(static_cast<LineControl*>(object));
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(AlertProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    // A window that is a plain widget (no dialog, no main window) is still a window.
    if (className == QLatin1StringView("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace AccessibleControls {

void install()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(controlInterface);
}

void markAsAlert(QWidget* window)
{
    window->setProperty(AlertProperty, true);
}

} // namespace AccessibleControls
