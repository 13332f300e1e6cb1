#include "support/PrivateSessionBus.h"
#include "support/TestHome.h"
#include "support/TrayEventLog.h"
#include "support/VirtualDisplay.h"
#include "tray/cSysTray.h"

#include <QApplication>
#include <QPixmap>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

// Set for the second run of this program, which only says whether it finds a notification area.
constexpr char NoWatcherRun[] = "SOMNIVO_TRAY_TEST_NO_WATCHER";

// The real tray icon of this process, registered with a fake notification area on a private
// session bus and clicked through D-Bus as a desktop would.
class tst_TrayIconBus : public QObject
{
    Q_OBJECT

public:
    explicit tst_TrayIconBus(const PrivateSessionBus& bus) : m_bus(bus) {}

private:
    const PrivateSessionBus& m_bus;
    cSysTray m_tray;
    TrayEventLog m_log{m_tray};

private slots:
    void initTestCase() { QVERIFY(m_tray.isAvailable()); }

    void showingRegistersAnItemWithTheTip()
    {
        QPixmap pixmap(22, 22);
        pixmap.fill(Qt::darkBlue);
        m_tray.setTrayIcon(QIcon(pixmap));
        const QString tip = u"Somnivo - the computer shuts down in 25 minutes, at 23:45 tonight"_s;
        m_tray.setTrayTip(tip);
        m_tray.setInTray(true);
        QTRY_COMPARE(m_bus.events().size(), 1);
        QVERIFY2(m_bus.events().constFirst().startsWith(u"Registered :"_s),
                 qPrintable(m_bus.events().constFirst()));
        QCOMPARE(m_bus.itemToolTip(), tip.left(63));
        m_tray.setTrayTip(u"Somnivo"_s);
        QCOMPARE(m_bus.itemToolTip(), u"Somnivo"_s);
    }

    void clicksArriveAsMouseEvents()
    {
        QVERIFY(m_tray.InTray());
        for (const auto& [method, events] :
             {std::pair{u"Activate"_s, u"MouseDown 1 0, MouseUp 1 0"_s},
              {u"ContextMenu"_s, u"MouseDown 2 0, MouseUp 2 0"_s},
              {u"SecondaryActivate"_s, QString()}}) {
            m_log.events.clear();
            QCOMPARE(m_bus.callItem(method, 10, 790), QString());
            // The item answers after it has handled the click, so its events are in by now.
            QCOMPARE(m_log.events.join(u", "), events);
        }
    }

    void leavingTheTrayUnregistersTheItem()
    {
        m_tray.setInTray(false);
        QTRY_COMPARE(m_bus.events().size(), 2);
        const QStringList events = m_bus.events(); // "Registered <name> <path>", then:
        QCOMPARE(events.at(1), u"Unregistered"_s + events.at(0).sliced(10));
    }

    void withoutAWatcherThereIsNoNotificationArea()
    {
        qputenv(NoWatcherRun, "1"); // for the second run only: this one has read it
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.readAllStandardOutput().trimmed(), QByteArray("unavailable"));
    }
};

int main(int argc, char* argv[])
{
    // Qt connects to the session bus and asks whether a notification area exists only once per
    // process, so the bus and the fake come first. The offscreen platform has no tray at all:
    // the test runs on a private X server, which the second run shares.
    const bool noWatcher = qEnvironmentVariableIsSet(NoWatcherRun);
    TestHome home;
    PrivateSessionBus bus;
    std::optional<VirtualDisplay> display;
    if (!noWatcher)
        display.emplace();
    if (!bus.start() || (display && (!bus.startWatcher() || !display->isRunning()))) {
        std::fprintf(stderr, "No private bus or display: %s\n", qPrintable(bus.errorString()));
        return 1;
    }
    if (display)
        qputenv("DISPLAY", display->name().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    // The user's desktop must not choose the platform theme, and Xvfb wants no cookie.
    for (const char* variable : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "XAUTHORITY"})
        qunsetenv(variable);
    QApplication app(argc, argv);
    if (!bus.isPrivate()) // checked before anything here uses the session bus
        qFatal("The session bus is not the test's own: refusing to run.");
    if (noWatcher) {
        std::puts(cSysTray().isAvailable() ? "available" : "unavailable");
        return 0;
    }
    tst_TrayIconBus test(bus);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tray_icon_bus.moc"
