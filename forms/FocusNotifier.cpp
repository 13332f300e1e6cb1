#include "FocusNotifier.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

FocusNotifier::FocusNotifier(QWidget* control) : QObject(control), m_control(control)
{
    control->installEventFilter(this);
}

bool FocusNotifier::ownsWidget(const QWidget* widget) const
{
    // Across window boundaries too: a combo box's drop-down list is a window of its own.
    for (; widget; widget = widget->parentWidget()) {
        if (widget == m_control)
            return true;
    }
    return false;
}

bool FocusNotifier::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_control)
        return false;
    if (event->type() == QEvent::FocusIn && !m_hasFocus) {
        m_hasFocus = true;
        emit gotFocus();
    } else if (event->type() == QEvent::FocusOut && m_hasFocus) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || ownsWidget(QApplication::focusWidget()))
            return false;
        m_hasFocus = false;
        emit lostFocus();
    }
    return false;
}
