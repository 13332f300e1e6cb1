#include "TrayMessages.h"

namespace TrayMessages {

Event eventFor(int mouseMessage)
{
    using Kind = Event::Kind;
    switch (mouseMessage) {
    case MouseMove:
        return {Kind::MouseMove, 0};
    case LeftButtonDown:
        return {Kind::MouseDown, 1};
    case LeftButtonUp:
        return {Kind::MouseUp, 1};
    case LeftButtonDblClick:
        return {Kind::MouseDblClick, 1};
    case RightButtonDown:
        return {Kind::MouseDown, 2};
    case RightButtonUp:
        return {Kind::MouseUp, 2};
    case RightButtonDblClick:
        return {Kind::MouseDblClick, 2};
    default: // the middle button and everything else raise nothing
        return {};
    }
}

QList<int> messagesFor(QSystemTrayIcon::ActivationReason reason)
{
    // Linux reports whole clicks only; each becomes the press and the release it was made of,
    // as the Windows shell would report them.
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return {LeftButtonDown, LeftButtonUp};
    case QSystemTrayIcon::Context:
        return {RightButtonDown, RightButtonUp};
    case QSystemTrayIcon::DoubleClick:
        return {LeftButtonDblClick};
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return {};
}

} // namespace TrayMessages
