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
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLineEdit>
#include <QScrollBar>
#include <QVariant>

#include <utility>

namespace {

constexpr char AlertProperty[] = "somnivoAlert";
constexpr char VolumeProperty[] = "somnivoVolume";
constexpr char QuietProperty[] = "somnivoQuiet";

QAccessible::UpdateHandler qtUpdates = nullptr;

// Tells assistive technology that a name or a description changed, with the new text. Qt 6.4 on
// Linux sends the object in its place, and the screen reader's script fails on it: a caption
// that changed under the focus ("Sleep Now!" to "Stop"), or what it says of itself, was never
// spoken. Sent on Qt's own connection to the accessibility bus, as Qt would send it.
bool tellChanged(QAccessibleEvent* event)
{
    const bool name = event->type() == QAccessible::NameChanged;
    QAccessibleInterface* changed = event->accessibleInterface();
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!changed || !bus.isConnected())
        return false;
    const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
    QDBusArgument root;
    root.beginStructure();
    root << bus.baseService() << QDBusObjectPath(prefix + QStringLiteral("root"));
    root.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(
        prefix + QString::number(QAccessible::uniqueId(changed)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << (name ? QStringLiteral("accessible-name") : QStringLiteral("accessible-description"))
           << 0 << 0
           << QVariant::fromValue(
                  QDBusVariant(changed->text(name ? QAccessible::Name : QAccessible::Description)))
           << QVariant::fromValue(root);
    return bus.send(signal);
}

// What goes to assistive technology, sifted: a changed name or description told rightly; a
// change the program made quietly not told at all.
void sift(QAccessibleEvent* event)
{
    if ((event->type() == QAccessible::NameChanged ||
         event->type() == QAccessible::DescriptionChanged) &&
        tellChanged(event))
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
    // Qt may have made its own answer already (the design set the slider's range): it goes.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(slider);
    if (made && !dynamic_cast<VolumeAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
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
