#include "support/PrivateSystemBus.h"
#include "support/ProgramSession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

// A whole run of the real program, pressed with real input, ending through a fake logind on a
// private system bus. Nothing here can reach the machine's own logind: every test checks first.
class tst_SleepRunEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateSystemBus> m_bus;

    // The program started with a short countdown and this action, on a bus the test owns; the
    // Run File creates the file "marker" in the session's home.
    std::unique_ptr<ProgramSession> start(const QString& action)
    {
        if (!m_bus || !m_bus->isPrivate())
            qFatal("Refusing to run the program: the system bus is not this test's own.");
        auto session = std::make_unique<ProgramSession>();
        session->store({{SettingKey::SetTime, QStringLiteral("0.05")},
                        {SettingKey::ShutDown, action},
                        {SettingKey::RunFile,
                         session->markerScript(session->home.path() + QStringLiteral("/marker"))}});
        if (!session->startSound() ||
            !session->launch({{QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_bus->address()}}))
            return nullptr;
        return session;
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
        auto session = start(action);
        QVERIFY(session);

        session->click(ProgramSession::SleepNow);
        QElapsedTimer sincePress;
        sincePress.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_bus->calls().contains(call), 8000);
        const qint64 elapsed = sincePress.elapsed();
        QVERIFY2(elapsed >= 2900 && elapsed <= 6000, qPrintable(QString::number(elapsed)));
        QVERIFY(session->ended());
        QVERIFY(session->settings.ReadSetting(SettingKey::PosX, QString()).toInt() > 0);
        QVERIFY(session->settings.ReadSetting(SettingKey::PosY, QString()).toInt() > 0);
    }

    void aRefusedShutdownLeavesTheProgramRunningAndSaysSo()
    {
        QVERIFY2(m_bus->startLogind(PrivateSystemBus::Logind::Refuses),
                 qPrintable(m_bus->errorString()));
        auto session = start(QStringLiteral("1"));
        QVERIFY(session);
        session->click(ProgramSession::SleepNow);
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
        auto session = start(QStringLiteral("3"));
        QVERIFY(session);
        const QString marker = session->home.path() + QStringLiteral("/marker");
        session->click(ProgramSession::SleepNow);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 8000);
        QTest::qWait(500);
        QVERIFY(m_bus->calls().isEmpty());
        QCOMPARE(session->program->process().state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(tst_SleepRunEnd)
#include "tst_sleep_run_end.moc"
