#include "DesktopScreenPower.h"

#include "AsyncDBusCall.h"
#include "platform/PlatformTexts.h"

#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/dpms.h>

namespace {

const QString DisplayConfig = QStringLiteral("org.gnome.Mutter.DisplayConfig");
const QString DisplayConfigPath = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
const QString IdleMonitor = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString IdleMonitorPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString GlobalAccel = QStringLiteral("org.kde.kglobalaccel");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int PatienceMs = 5000;
constexpr int QuietMs = 1000; // after the last input, before the screens go off
constexpr int Off = 3;
constexpr int On = 0;

QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return message;
}

// The X server's DPMS, when this is an X11 session whose server has it.
xcb_connection_t* dpmsConnection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    xcb_dpms_capable_reply_t* capable =
        xcb_dpms_capable_reply(connection, xcb_dpms_capable(connection), nullptr);
    const bool has = capable && capable->capable;
    free(capable);
    return has ? connection : nullptr;
}

} // namespace

void DesktopScreenPower::findWay(std::function<void(bool)> found)
{
    find([found = std::move(found)](Way way) { found(way != Way::None); });
}

void DesktopScreenPower::find(std::function<void(Way)> found)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const auto withoutBus = [found] { found(dpmsConnection() ? Way::Dpms : Way::None); };
    if (!bus.isConnected()) {
        withoutBus();
        return;
    }
    // GNOME's power-save mode, unless it says it has none (-1).
    callAsync(bus,
              call(DisplayConfig, DisplayConfigPath, Properties, QStringLiteral("Get"),
                   {DisplayConfig, QStringLiteral("PowerSaveMode")}),
              PatienceMs, this, [this, bus, found, withoutBus](const QVariant& mode) {
                  if (mode.isValid() && mode.value<QDBusVariant>().variant().toInt() != -1) {
                      found(Way::Gnome);
                      return;
                  }
                  // KDE Plasma's power management, through its global shortcuts.
                  callAsync(bus,
                            call(GlobalAccel, QStringLiteral("/kglobalaccel"),
                                 QStringLiteral("org.kde.KGlobalAccel"),
                                 QStringLiteral("getComponent"),
                                 {QStringLiteral("org_kde_powerdevil")}),
                            PatienceMs, this, [found, withoutBus](const QVariant& component) {
                                if (component.isValid())
                                    found(Way::Kde);
                                else
                                    withoutBus();
                            });
              });
}

void DesktopScreenPower::turnOff(SessionControl::Completion done)
{
    QTimer::singleShot(QuietMs, this, [this, done = std::move(done)] {
        find([this, done](Way way) { turnOffBy(way, done); });
    });
}

void DesktopScreenPower::turnOffBy(Way way, const SessionControl::Completion& done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    switch (way) {
    case Way::Gnome:
        setPowerSaveMode(Off, done);
        // The screens stay off until GNOME is told of the next input.
        if (m_watch == 0)
            bus.connect(QString(), IdleMonitorPath, IdleMonitor, QStringLiteral("WatchFired"), this,
                        SLOT(onUserActive(uint)));
        callAsync(bus,
                  call(QStringLiteral("org.gnome.Mutter.IdleMonitor"), IdleMonitorPath, IdleMonitor,
                       QStringLiteral("AddUserActiveWatch")),
                  PatienceMs, this, [this](const QVariant& watch) { m_watch = watch.toUInt(); });
        return;
    case Way::Kde:
        callAsyncForError(bus,
                          call(GlobalAccel, QStringLiteral("/component/org_kde_powerdevil"),
                               QStringLiteral("org.kde.kglobalaccel.Component"),
                               QStringLiteral("invokeShortcut"),
                               {QStringLiteral("Turn Off Screen")}),
                          PatienceMs, this, [done](const QString& error) {
                              done({error.isEmpty(), error});
                          });
        return;
    case Way::Dpms:
        turnOffByDpms(done);
        return;
    case Way::None:
        break;
    }
    done({false, QString::fromLatin1(PlatformTexts::NoScreenPower)});
}

void DesktopScreenPower::turnOffByDpms(const SessionControl::Completion& done)
{
    xcb_connection_t* connection = dpmsConnection();
    if (!connection) {
        done({false, QString::fromLatin1(PlatformTexts::NoScreenPower)});
        return;
    }
    // The server forces a level only while DPMS is enabled; a user who had it disabled (a kiosk,
    // a presentation) gets it disabled again, or the server would blank the screen from then on.
    if (!m_dpmsWatch) {
        xcb_dpms_info_reply_t* info =
            xcb_dpms_info_reply(connection, xcb_dpms_info(connection), nullptr);
        m_dpmsWasEnabled = !info || info->state;
        free(info);
    }
    xcb_dpms_enable(connection);
    xcb_dpms_force_level(connection, XCB_DPMS_DPMS_MODE_OFF);
    xcb_flush(connection);
    done({true, {}});
    if (m_dpmsWasEnabled || m_dpmsWatch)
        return;
    m_dpmsWatch = new QTimer(this);
    connect(m_dpmsWatch, &QTimer::timeout, this, &DesktopScreenPower::followDpms);
    m_dpmsWatch->start(QuietMs);
}

void DesktopScreenPower::followDpms()
{
    xcb_connection_t* connection = dpmsConnection();
    xcb_dpms_info_reply_t* info =
        connection ? xcb_dpms_info_reply(connection, xcb_dpms_info(connection), nullptr) : nullptr;
    const bool woken = !info || info->power_level == XCB_DPMS_DPMS_MODE_ON;
    free(info);
    if (!woken)
        return;
    if (connection) {
        xcb_dpms_disable(connection);
        xcb_flush(connection);
    }
    delete std::exchange(m_dpmsWatch, nullptr);
}

void DesktopScreenPower::setPowerSaveMode(int mode, const SessionControl::Completion& done)
{
    callAsyncForError(QDBusConnection::sessionBus(),
                      call(DisplayConfig, DisplayConfigPath, Properties, QStringLiteral("Set"),
                           {DisplayConfig, QStringLiteral("PowerSaveMode"),
                            QVariant::fromValue(QDBusVariant(mode))}),
                      PatienceMs, this, [done](const QString& error) {
                          done({error.isEmpty(), error});
                      });
}

void DesktopScreenPower::onUserActive(uint watch)
{
    if (watch == 0 || watch != m_watch)
        return;
    m_watch = 0;
    setPowerSaveMode(On, [](const SessionControl::Result&) {});
}
