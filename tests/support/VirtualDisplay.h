#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

// A private X server (Xvfb) for one test, optionally with a window manager, and the X tools the
// tests use on it. Everything it starts is stopped by PID when it goes.
class VirtualDisplay
{
public:
    enum class WindowManager
    {
        None,
        Openbox
    };

    // A patterned root window shows every pixel that no window covers.
    enum class Root
    {
        Plain,
        Patterned
    };

    explicit VirtualDisplay(WindowManager manager = WindowManager::None, Root root = Root::Plain);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool isRunning() const { return !m_name.isEmpty(); }
    QString name() const { return m_name; } // ":N"

    // Runs an X tool (xdotool, xwininfo, import, ...) on this display; its standard output, or
    // an empty text when it failed.
    QString run(const QString& tool, const QStringList& arguments, int timeoutMs = 5000) const;

    // The id of the first viewable window whose title is exactly title, waiting up to
    // timeoutMs for it to appear; 0 when none did.
    quint64 waitForWindow(const QString& title, int timeoutMs = 10000) const;
    // The window's position on the screen, as the X server has it.
    QPoint windowPosition(quint64 window) const;
    bool isViewable(quint64 window) const;
    // Clicks the left button at a screen position with real input.
    void click(const QPoint& screenPosition) const;
    // How many pixels of the screen are not black.
    long nonBlackPixels() const;
    // Whether the mouse pointer shows at all.
    bool pointerVisible() const;
    // The windows from bottom to top, as the window manager stacks them.
    QList<quint64> stacking() const;
    QRect geometry(quint64 window) const;

private:
    bool start(WindowManager manager, Root root);
    bool waitFor(const std::function<bool()>& ready) const;
    bool fail(const QString& failure);
    QProcessEnvironment toolEnvironment() const;

    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    QString m_name;
    QString m_failure;
};
