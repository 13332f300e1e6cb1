#include "MouseUpNotifier.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

MouseUpNotifier::MouseUpNotifier(QWidget* control) : QObject(control), m_control(control)
{
    control->installEventFilter(this);
}

bool MouseUpNotifier::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_control || m_forwarding || event->type() != QEvent::MouseButtonRelease)
        return false;

    const auto* release = static_cast<QMouseEvent*>(event);
    const Qt::MouseButton button = release->button();
    const bool overControl = m_control->rect().contains(release->position().toPoint());

    // Let the control handle the release first, then report it; the event is then consumed.
    QPointer<MouseUpNotifier> alive(this);
    m_forwarding = true;
    QCoreApplication::sendEvent(m_control, event);
    if (!alive)
        return true;
    m_forwarding = false;
    if (overControl)
        emit mouseUp(button);
    return true;
}
