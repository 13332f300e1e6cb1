#include "ReleaseNotifier.h"

#include "MouseUpNotifier.h"

#include <QAbstractButton>

ReleaseNotifier::ReleaseNotifier(QAbstractButton* button) : QObject(button)
{
    auto* mouse = new MouseUpNotifier(button);
    connect(mouse, &MouseUpNotifier::mouseUp, this, [this] {
        emit released();
        emit asked();
    });
    // An arrow key clicks the option it moves to before that option takes the focus; Space, an
    // access key and assistive technology click the option that has it.
    connect(button, &QAbstractButton::clicked, this, [this, mouse, button] {
        if (mouse->isForwarding())
            return;
        emit released();
        if (button->hasFocus())
            emit asked();
    });
}
