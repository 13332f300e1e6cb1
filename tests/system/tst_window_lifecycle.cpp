#include "app/SettingsStore.h"
#include "support/PrivatePulseAudio.h"
#include "support/PrivateSessionBus.h"
#include "support/ProgramUnderTest.h"
#include "support/TestHome.h"
#include "support/VirtualDisplay.h"

#include <QTest>

#include <csignal>
#include <memory>

// The real program's life on a private X server with a window manager: the notification area
// (a fake one on a private session bus), minimising, restoring, closing, and coming back.
class tst_WindowLifecycle : public QObject
{
    Q_OBJECT

    // One session bus with a notification area for the whole test: the test process talks to
    // the program's icon over it, and a process keeps its first session bus connection.
    std::unique_ptr<PrivateSessionBus> m_bus;

    struct Session
    {
        explicit Session(PrivateSessionBus& sessionBus) : bus(sessionBus) {}
        TestHome home;
        PrivatePulseAudio sound;
        PrivateSessionBus& bus;
        VirtualDisplay display{VirtualDisplay::WindowManager::Openbox};
        std::unique_ptr<ProgramUnderTest> program;
        quint64 window = 0;
        SettingsStore settings{[] { return QStringLiteral("somnivo"); }};

        bool launch()
        {
            program = std::make_unique<ProgramUnderTest>(display);
            program->useSoundServer(sound);
            program->environment().insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                                          bus.address());
            if (!program->start())
                return false;
            window = display.waitForWindow(QStringLiteral("Somnivo - Auto Shutdown Timer "));
            return window != 0;
        }
        void xdotool(const QStringList& arguments) const
        {
            display.run(QStringLiteral("xdotool"), arguments);
        }
        void minimise() const
        {
            xdotool({QStringLiteral("windowminimize"), QString::number(window)});
        }
        // Closes the window the way its close box does: through the window manager.
        void closeWindow() const
        {
            xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                     QString::number(window), QStringLiteral("key"),
                     QStringLiteral("--clearmodifiers"), QStringLiteral("alt+F4")});
        }
        bool iconic() const
        {
            return display
                .run(QStringLiteral("xprop"),
                     {QStringLiteral("-id"), QString::number(window), QStringLiteral("WM_STATE")})
                .contains(QStringLiteral("Iconic"));
        }
        bool ended() const
        {
            QProcess& process = program->process();
            return (process.state() == QProcess::NotRunning || process.waitForFinished(5000)) &&
                   process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        }
    };

    std::unique_ptr<Session> session(PrivateSessionBus& bus)
    {
        auto s = std::make_unique<Session>(bus);
        if (!s->sound.start())
            return nullptr;
        return s;
    }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateSessionBus>();
        QVERIFY2(m_bus->start() && m_bus->startWatcher(), qPrintable(m_bus->errorString()));
        QVERIFY2(m_bus->isPrivate(), "the session bus is not the test's own: refusing to run");
    }
    void cleanupTestCase() { m_bus.reset(); }

    void theIconBringsTheMinimisedWindowBack()
    {
        auto s = session(*m_bus);
        const qsizetype seen = m_bus->events().size();
        QVERIFY(s && s->launch());
        QTRY_VERIFY(m_bus->events().value(seen).startsWith(QStringLiteral("Registered ")));
        QTRY_COMPARE(s->bus.itemToolTip(), QStringLiteral("Somnivo - Auto Shutdown Timer"));

        for (const char* method : {"Activate", "ContextMenu"}) {
            s->minimise();
            QTRY_VERIFY(!s->display.isViewable(s->window));
            QVERIFY2(!s->iconic(), "hidden, not merely minimised");
            QCOMPARE(s->bus.callItem(QLatin1StringView(method), 10, 10), QString());
            QTRY_VERIFY(s->display.isViewable(s->window));
        }
        s->minimise();
        QTRY_VERIFY(!s->display.isViewable(s->window));
        QCOMPARE(s->bus.callItem(QStringLiteral("SecondaryActivate"), 10, 10), QString());
        QTest::qWait(500);
        QVERIFY(!s->display.isViewable(s->window));

        QCOMPARE(s->bus.callItem(QStringLiteral("Activate"), 10, 10), QString());
        QTRY_VERIFY(s->display.isViewable(s->window));
        s->closeWindow();
        QVERIFY(s->ended());
        QTRY_VERIFY(s->bus.events().last().startsWith(QStringLiteral("Unregistered ")));
    }

    void withoutANotificationAreaTheWindowOnlyMinimises()
    {
        PrivateSessionBus empty; // the program's own: no notification area on it
        QVERIFY2(empty.start(), qPrintable(empty.errorString()));
        auto s = session(empty);
        QVERIFY(s && s->launch());
        s->minimise();
        QTRY_VERIFY(s->iconic());
    }

    void theWindowComesBackWhereItWasClosed()
    {
        auto s = session(*m_bus);
        QVERIFY(s && s->launch());
        // Without a stored position the window is centred on the screen.
        const QRect first = s->display.geometry(s->window);
        QVERIFY2(
            std::abs(first.center().x() - 640) <= 10 && std::abs(first.center().y() - 400) <= 20,
            qPrintable(QStringLiteral("%1,%2").arg(first.center().x()).arg(first.center().y())));

        s->xdotool({QStringLiteral("windowmove"), QString::number(s->window), QStringLiteral("203"),
                    QStringLiteral("151")});
        QTRY_VERIFY(s->display.geometry(s->window).topLeft() != first.topLeft());
        const QRect moved = s->display.geometry(s->window);
        s->closeWindow();
        QVERIFY(s->ended());
        QVERIFY(s->launch());
        QCOMPARE(s->display.geometry(s->window), moved);
    }

    void sigtermWithTheAboutWindowOpenEndsTheProgramProperly()
    {
        auto s = session(*m_bus);
        QVERIFY(s && s->launch());
        s->display.click(s->display.windowPosition(s->window) + QPoint(245, 178));
        QVERIFY(s->display.waitForWindow(QStringLiteral("About Somnivo - Auto Shutdown Timer")));
        const QRect placed = s->display.geometry(s->window);
        ::kill(pid_t(s->program->process().processId()), SIGTERM);
        QVERIFY(s->ended());
        QVERIFY(!s->settings.ReadSetting(SettingKey::PosX, QString()).isEmpty());
        QVERIFY(s->launch());
        QCOMPARE(s->display.geometry(s->window), placed);
    }
};

QTEST_GUILESS_MAIN(tst_WindowLifecycle)
#include "tst_window_lifecycle.moc"
