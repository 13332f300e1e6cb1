#include "AccessibleControls.h"

#include "ComboBoxAccessible.h"
#include "LineControl.h"
#include "LineControlAccessible.h"
#include "LineEditAccessible.h"
#include "LinkLabel.h"
#include "LinkLabelAccessible.h"
#include "VolumeAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QVariant>

#include <utility>

namespace {

constexpr char AlertProperty[] = "somnivoAlert";
constexpr char VolumeProperty[] = "somnivoVolume";
constexpr char QuietProperty[] = "somnivoQuiet";

QAccessible::UpdateHandler qtUpdates = nullptr;

// What goes to assistive technology, sifted: Qt 6.4 on Linux sends a changed name as the
// object instead of the name, and the screen reader's script fails on it (the name is read
// afresh whenever the control is met); a change the program made quietly is not told.
void sift(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged)
        return;
    if (event->type() == QAccessible::ValueChanged && event->object() &&
        event->object()->property(QuietProperty).toBool())
        return;
    if (qtUpdates) {
        qtUpdates(event);
        return;
    }
    // Qt's own way, which it takes when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(sift);
}

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
    if (className == QLatin1StringView("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit*>(object));
    if (className == QLatin1StringView("QScrollBar") && object->property(VolumeProperty).toBool())
        return new VolumeAccessible(static_cast<QScrollBar*>(object));
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
    if (std::exchange(installed, true))
        return;
    QAccessible::installFactory(controlInterface);
    qtUpdates = QAccessible::installUpdateHandler(sift);
}

void markAsVolume(QWidget* slider)
{
    slider->setProperty(VolumeProperty, true);
}

Quiet::Quiet(QWidget* control) : m_control(control)
{
    m_control->setProperty(QuietProperty, true);
}

Quiet::~Quiet()
{
    m_control->setProperty(QuietProperty, false);
}

void markAsAlert(QWidget* window)
{
    window->setProperty(AlertProperty, true);
}

} // namespace AccessibleControls
