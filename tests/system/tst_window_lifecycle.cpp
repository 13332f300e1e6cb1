#include "support/PrivateSessionBus.h"
#include "support/ProgramSession.h"

#include <QTest>

#include <csignal>

// The real program's life on a private X server with a window manager: the notification area
// (a fake one on a private session bus), minimising, restoring, closing, and coming back.
class tst_WindowLifecycle : public QObject
{
    Q_OBJECT

    // One session bus with a notification area for the whole test: the test process talks to
    // the program's icon over it, and a process keeps its first session bus connection.
    std::unique_ptr<PrivateSessionBus> m_bus;

    // A session under openbox whose program uses this session bus.
    struct Session : ProgramSession
    {
        explicit Session(const PrivateSessionBus& sessionBus)
            : ProgramSession(VirtualDisplay::WindowManager::Openbox), bus(sessionBus)
        {}
        bool launch()
        {
            return startSound() &&
                   ProgramSession::launch(
                       {{QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address()}});
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
        bool viewable() const { return display.isViewable(window); }

        const PrivateSessionBus& bus;
    };

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
        Session s(*m_bus);
        const qsizetype seen = m_bus->events().size();
        QVERIFY(s.launch());
        QTRY_VERIFY(m_bus->events().value(seen).startsWith(QStringLiteral("Registered ")));
        QTRY_COMPARE(m_bus->itemToolTip(), QStringLiteral("Somnivo - Auto Shutdown Timer"));

        for (const char* method : {"Activate", "ContextMenu"}) {
            s.minimise();
            QTRY_VERIFY(!s.viewable());
            QVERIFY2(!s.iconic(), "hidden, not merely minimised");
            QCOMPARE(m_bus->callItem(QLatin1StringView(method), 10, 10), QString());
            QTRY_VERIFY(s.viewable());
        }
        s.minimise();
        QTRY_VERIFY(!s.viewable());
        QCOMPARE(m_bus->callItem(QStringLiteral("SecondaryActivate"), 10, 10), QString());
        QTest::qWait(500);
        QVERIFY(!s.viewable());

        QCOMPARE(m_bus->callItem(QStringLiteral("Activate"), 10, 10), QString());
        QTRY_VERIFY(s.viewable());
        s.closeWindow();
        QVERIFY(s.ended());
        QTRY_VERIFY(m_bus->events().last().startsWith(QStringLiteral("Unregistered ")));
    }

    void withoutANotificationAreaTheWindowOnlyMinimises()
    {
        PrivateSessionBus empty; // the program's own: no notification area on it
        QVERIFY2(empty.start(), qPrintable(empty.errorString()));
        Session s(empty);
        QVERIFY(s.launch());
        s.minimise();
        QTRY_VERIFY(s.iconic());
    }

    void theWindowComesBackWhereItWasClosed()
    {
        Session s(*m_bus);
        QVERIFY(s.launch());
        // Without a stored position the window is centred on the screen.
        const QRect first = s.display.geometry(s.window);
        QVERIFY2(
            std::abs(first.center().x() - 640) <= 10 && std::abs(first.center().y() - 400) <= 20,
            qPrintable(QStringLiteral("%1,%2").arg(first.center().x()).arg(first.center().y())));

        s.xdotool({QStringLiteral("windowmove"), QString::number(s.window), QStringLiteral("203"),
                   QStringLiteral("151")});
        QTRY_VERIFY(s.display.geometry(s.window).topLeft() != first.topLeft());
        const QRect moved = s.display.geometry(s.window);
        s.closeWindow();
        QVERIFY(s.ended());
        QVERIFY(s.launch());
        QCOMPARE(s.display.geometry(s.window), moved);
    }

    void sigtermWithTheAboutWindowOpenEndsTheProgramProperly()
    {
        Session s(*m_bus);
        QVERIFY(s.launch());
        s.click(ProgramSession::About);
        QVERIFY(s.display.waitForWindow(QStringLiteral("About Somnivo - Auto Shutdown Timer")));
        const QRect placed = s.display.geometry(s.window);
        ::kill(pid_t(s.program->process().processId()), SIGTERM);
        QVERIFY(s.ended());
        QVERIFY(!s.settings.ReadSetting(SettingKey::PosX, QString()).isEmpty());
        QVERIFY(s.launch());
        QCOMPARE(s.display.geometry(s.window), placed);
    }
};

QTEST_GUILESS_MAIN(tst_WindowLifecycle)
#include "tst_window_lifecycle.moc"
