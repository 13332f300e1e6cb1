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
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
// Set for the second run of this program, which only reports what it finds without a watcher.
constexpr char NoWatcherRun[] = "SOMNIVO_TRAY_TEST_NO_WATCHER";
} // namespace

// The real tray icon of this process, registered with a fake notification area on a private
// session bus and clicked through D-Bus as a desktop would.
class tst_TrayIconBus : public QObject
{
    Q_OBJECT

public:
    explicit tst_TrayIconBus(PrivateSessionBus& bus) : m_bus(bus) {}

private:
    PrivateSessionBus& m_bus;
    std::unique_ptr<cSysTray> m_tray;
    std::unique_ptr<TrayEventLog> m_log;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_bus.isPrivate(), "the session bus is not the test's own: refusing to run");
        QVERIFY(cSysTray().isAvailable());
    }

    void showingRegistersAnItemWithTheTip()
    {
        m_tray = std::make_unique<cSysTray>();
        m_log = std::make_unique<TrayEventLog>(*m_tray);
        QPixmap pixmap(22, 22);
        pixmap.fill(Qt::darkBlue);
        m_tray->setTrayIcon(QIcon(pixmap));
        const QString tip = u"Somnivo - the computer shuts down in 25 minutes, at 23:45 tonight"_s;
        QVERIFY(tip.size() > 63);
        m_tray->setTrayTip(tip);
        m_tray->setInTray(true);
        QTRY_COMPARE(m_bus.events().size(), 1);
        QVERIFY2(m_bus.events().constFirst().startsWith(u"Registered :"_s),
                 qPrintable(m_bus.events().constFirst()));
        QCOMPARE(m_bus.itemToolTip(), tip.left(63));
        m_tray->setTrayTip(u"Somnivo"_s);
        QCOMPARE(m_bus.itemToolTip(), u"Somnivo"_s);
    }

    void clicksArriveAsMouseEvents_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("left click")
            << u"Activate"_s << QStringList{u"MouseDown 1 0"_s, u"MouseUp 1 0"_s};
        QTest::newRow("right click")
            << u"ContextMenu"_s << QStringList{u"MouseDown 2 0"_s, u"MouseUp 2 0"_s};
        QTest::newRow("middle click") << u"SecondaryActivate"_s << QStringList();
    }
    void clicksArriveAsMouseEvents()
    {
        QFETCH(QString, method);
        QFETCH(QStringList, events);
        QVERIFY(m_tray && m_tray->InTray());
        m_log->events.clear();
        QCOMPARE(m_bus.callItem(method, 10, 790), QString());
        // The item answers after it has handled the click, so its events are in by now.
        QCOMPARE(m_log->events, events);
    }

    void leavingTheTrayUnregistersTheItem()
    {
        QVERIFY(m_tray && m_tray->InTray());
        m_tray->setInTray(false);
        QTRY_COMPARE(m_bus.events().size(), 2);
        const QStringList events = m_bus.events(); // "Registered <name> <path>", then:
        QCOMPARE(events.at(1), u"Unregistered"_s + events.at(0).sliced(10));
    }

    void withoutAWatcherThereIsNoNotificationArea()
    {
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1StringView(NoWatcherRun), u"1"_s);
        run.setProcessEnvironment(environment);
        run.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(run.readAllStandardOutput().trimmed(), QByteArray("unavailable"));
    }

    void cleanupTestCase()
    {
        m_log.reset();
        m_tray.reset();
    }
};

int main(int argc, char* argv[])
{
    // Qt connects to the session bus and asks whether a notification area exists only once per
    // process, so the bus and the fake come first. The offscreen platform offers no tray at all:
    // the tray needs a desktop platform, here on a private X server.
    const bool noWatcher = qEnvironmentVariableIsSet(NoWatcherRun);
    TestHome home;
    PrivateSessionBus bus;
    if (!bus.start() || (!noWatcher && !bus.startWatcher())) {
        std::fprintf(stderr, "%s\n", qPrintable(bus.errorString()));
        return 1;
    }
    std::optional<VirtualDisplay> display;
    if (!noWatcher) { // the second run shares the first one's X server
        display.emplace();
        if (!display->isRunning()) {
            std::fputs("Xvfb did not start\n", stderr);
            return 1;
        }
        qputenv("DISPLAY", display->name().toLocal8Bit());
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    // The user's desktop must not choose the platform theme, and Xvfb wants no cookie.
    for (const char* variable : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "XAUTHORITY"})
        qunsetenv(variable);
    QApplication app(argc, argv);
    if (noWatcher) {
        std::puts(cSysTray().isAvailable() ? "available" : "unavailable");
        return 0;
    }
    tst_TrayIconBus test(bus);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tray_icon_bus.moc"
