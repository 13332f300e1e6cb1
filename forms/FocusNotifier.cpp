#include "FocusNotifier.h"

#include <QFocusEvent>
#include <QWidget>

FocusNotifier::FocusNotifier(QWidget* control) : QObject(control), m_control(control)
{
    control->installEventFilter(this);
}

bool FocusNotifier::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_control)
        return false;
    const auto type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
        return false;
    if (type == QEvent::FocusIn)
        emit gotFocus();
    else
        emit lostFocus();
    return false;
}
