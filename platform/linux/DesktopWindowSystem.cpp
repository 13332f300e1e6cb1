#include "DesktopWindowSystem.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

void DesktopWindowSystem::blackFromFirstFrame(QWindow& window)
{
    // An X window that Qt creates has no background of its own: until the program's first paint
    // reaches the server, the screen keeps showing whatever was there before. A black background
    // is filled in by the server itself the instant the window is mapped. (A Wayland surface
    // shows nothing before its first frame, so there is nothing to do there.)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    const quint32 black = 0;                      // the black pixel of every TrueColor visual
    const auto id = xcb_window_t(window.winId()); // creates the native window if need be
    xcb_change_window_attributes(x11->connection(), id, XCB_CW_BACK_PIXEL, &black);
}
