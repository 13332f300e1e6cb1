#include "DesktopWindowSystem.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The room Qt's own title bar leaves its title, centred between the window icon and the
// buttons (its decoration: 3-pixel borders, a 22-pixel icon, three 18-pixel buttons, 5 pixels
// apart, 8 from the right edge), in its 14-pixel title font.
QString fittedTitle(const QString& title, int frameWidth)
{
    QFont font;
    font.setPixelSize(14);
    const int room = frameWidth - 2 * (3 * 18 + 2 * 5 + 8 + 5);
    return QFontMetrics(font).elidedText(title, Qt::ElideRight, room);
}

} // namespace

DesktopWindowSystem::DesktopWindowSystem()
{
    if (onWayland())
        qApp->installEventFilter(this);
}

bool DesktopWindowSystem::placesWindows() const
{
    return !onWayland();
}

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

void DesktopWindowSystem::activate(QWindow& window, const QString& token)
{
    // Qt's Wayland support hands this token to the compositor with the next activation.
    if (onWayland() && !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    window.requestActivate();
}

bool DesktopWindowSystem::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Expose)
        return false;
    auto* window = qobject_cast<QWindow*>(watched);
    if (window && window->isTopLevel() && window->frameMargins().top() > 0 &&
        window->property("fullTitle").isNull()) {
        // Qt draws the title bar: its title has to fit it.
        window->setProperty("fullTitle", window->title());
        window->setTitle(fittedTitle(window->title(), window->frameGeometry().width()));
    }
    return false;
}
