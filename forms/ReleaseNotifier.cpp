#include "ReleaseNotifier.h"

#include "MouseUpNotifier.h"

#include <QAbstractButton>

ReleaseNotifier::ReleaseNotifier(QAbstractButton* button) : QObject(button)
{
    auto* mouse = new MouseUpNotifier(button);
    connect(mouse, &MouseUpNotifier::mouseUp, this, &ReleaseNotifier::released);
    connect(button, &QAbstractButton::clicked, this, [this, mouse] {
        if (!mouse->isForwarding())
            emit released();
    });
}
