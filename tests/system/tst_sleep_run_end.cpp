#include "app/SettingsStore.h"
#include "support/PrivatePulseAudio.h"
#include "support/PrivateSystemBus.h"
#include "support/ProgramUnderTest.h"
#include "support/TestHome.h"
#include "support/VirtualDisplay.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <memory>

// A whole run of the real program, pressed with real input, ending through a fake logind on a
// private system bus. Nothing here can reach the machine's own logind: every test checks first.
class tst_SleepRunEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateSystemBus> m_bus;
    const QString title = QStringLiteral("Somnivo - Auto Shutdown Timer ");

    struct Session
    {
        TestHome home;
        PrivatePulseAudio sound;
        VirtualDisplay display;
        std::unique_ptr<ProgramUnderTest> program;
        quint64 window = 0;
        SettingsStore settings{[] { return QStringLiteral("somnivo"); }};
    };

    // Starts the program with these options stored, on a bus the test owns.
    std::unique_ptr<Session> start(const QList<std::pair<QLatin1StringView, QString>>& options)
    {
        if (!m_bus || !m_bus->isPrivate())
            qFatal("Refusing to run the program: the system bus is not this test's own.");
        auto session = std::make_unique<Session>();
        for (const auto& [key, value] : options)
            session->settings.WriteSetting(key, value);
        if (!session->display.isRunning() || !session->sound.start())
            return nullptr;
        session->program = std::make_unique<ProgramUnderTest>(session->display);
        session->program->useSoundServer(session->sound);
        session->program->environment().insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                                               m_bus->address());
        if (!session->program->start())
            return nullptr;
        session->window = session->display.waitForWindow(title);
        return session;
    }

    // Presses "Sleep Now!" (at (3, 166), 99 x 24 in the window) with the mouse.
    static void pressSleepNow(const Session& session)
    {
        session.display.click(session.display.windowPosition(session.window) + QPoint(50, 178));
    }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateSystemBus>();
        QVERIFY2(m_bus->start(), qPrintable(m_bus->errorString()));
        QVERIFY2(m_bus->isPrivate(), "the system bus is not the test's own: refusing to run");
    }
    void init()
    {
        QVERIFY2(m_bus->isPrivate(), "the system bus is not the test's own: refusing to run");
        m_bus->clearCalls();
    }
    void cleanupTestCase() { m_bus.reset(); }

    void theEndAsksLogindAndTheProgramEnds_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("call");
        QTest::newRow("shut down") << QStringLiteral("1") << QStringLiteral("PowerOff false");
        QTest::newRow("restart") << QStringLiteral("2") << QStringLiteral("Reboot false");
        QTest::newRow("log off") << QStringLiteral("0") << QStringLiteral("TerminateSession 1");
    }
    void theEndAsksLogindAndTheProgramEnds()
    {
        QFETCH(QString, action);
        QFETCH(QString, call);
        QVERIFY2(m_bus->startLogind(PrivateSystemBus::Logind::Answers),
                 qPrintable(m_bus->errorString()));
        auto session =
            start({{SettingKey::SetTime, QStringLiteral("0.05")}, {SettingKey::ShutDown, action}});
        QVERIFY(session && session->window);

        pressSleepNow(*session);
        QElapsedTimer sincePress;
        sincePress.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_bus->calls().contains(call), 8000);
        const qint64 elapsed = sincePress.elapsed();
        QVERIFY2(elapsed >= 2900 && elapsed <= 6000, qPrintable(QString::number(elapsed)));

        QProcess& process = session->program->process();
        QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(5000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(session->settings.ReadSetting(SettingKey::PosX, QString()).toInt() > 0);
        QVERIFY(session->settings.ReadSetting(SettingKey::PosY, QString()).toInt() > 0);
    }

    void aRefusedShutdownLeavesTheProgramRunningAndSaysSo()
    {
        QVERIFY2(m_bus->startLogind(PrivateSystemBus::Logind::Refuses),
                 qPrintable(m_bus->errorString()));
        auto session = start({{SettingKey::SetTime, QStringLiteral("0.05")},
                              {SettingKey::ShutDown, QStringLiteral("1")}});
        QVERIFY(session && session->window);
        pressSleepNow(*session);
        QTRY_VERIFY_WITH_TIMEOUT(m_bus->calls().contains(QStringLiteral("PowerOff false")), 8000);
        // The message window names what failed; the program is still there, idle.
        QVERIFY(session->display.waitForWindow(QStringLiteral("Somnivo"), 5000));
        QTest::qWait(500);
        QCOMPARE(session->program->process().state(), QProcess::Running);
        QVERIFY(session->display.isViewable(session->window));
    }

    void runFileStartsTheProgramAndNeverAsksLogind()
    {
        QVERIFY2(m_bus->startLogind(PrivateSystemBus::Logind::Answers),
                 qPrintable(m_bus->errorString()));
        TestHome scripts;
        const QString marker = scripts.path() + QStringLiteral("/marker");
        const QString script = scripts.path() + QStringLiteral("/wake up.sh");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho ran > \"" + marker.toUtf8() + "\"\n");
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));

        auto session = start({{SettingKey::SetTime, QStringLiteral("0.05")},
                              {SettingKey::ShutDown, QStringLiteral("3")},
                              {SettingKey::RunFile, script}});
        QVERIFY(session && session->window);
        pressSleepNow(*session);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 8000);
        QTest::qWait(500);
        QVERIFY(m_bus->calls().isEmpty());
        QCOMPARE(session->program->process().state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(tst_SleepRunEnd)
#include "tst_sleep_run_end.moc"
