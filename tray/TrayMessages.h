#pragma once

#include <QList>
#include <QSystemTrayIcon>

// The mouse messages a notification area reports for the icon, numbered as on Windows, where
// they come from the shell itself; on Linux they are made from what QSystemTrayIcon reports.
namespace TrayMessages {

enum Message : int
{
    MouseMove = 512,
    LeftButtonDown = 513,
    LeftButtonUp = 514,
    LeftButtonDblClick = 515,
    RightButtonDown = 516,
    RightButtonUp = 517,
    RightButtonDblClick = 518,
};

// What cSysTray raises for a message.
struct Event
{
    enum class Kind
    {
        None,
        MouseMove,
        MouseDown,
        MouseUp,
        MouseDblClick,
    };
    Kind kind = Kind::None;
    int button = 0; // 1 left, 2 right; 0 for a move

    bool operator==(const Event&) const = default;
};

Event eventFor(int mouseMessage);

// The messages a click reported by QSystemTrayIcon stands for, in order.
QList<int> messagesFor(QSystemTrayIcon::ActivationReason reason);

} // namespace TrayMessages
