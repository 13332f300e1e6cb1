#include "platform/linux/LogindSessionControl.h"
#include "support/PrivateSystemBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Every request here goes to a fake logind on a private bus; the checks before each one keep
// a misconfigured run from ever asking the machine's own logind to end anything.
class tst_LogindSessionControl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrivateSystemBus> m_bus;
    QByteArray m_savedSessionId;

    SessionControl::Result requestExit(quint32 flags)
    {
        if (!m_bus || !m_bus->isPrivate())
            qFatal("Refusing to ask for an exit: the system bus is not this test's own.");
        return LogindSessionControl().requestExit(flags);
    }

    static QString pidLine()
    {
        return QStringLiteral("GetSessionByPID %1")
            .arg(static_cast<quint32>(QCoreApplication::applicationPid()));
    }

private slots:
    void initTestCase()
    {
        // The bus must be up before anything in this process touches the system bus.
        m_bus = std::make_unique<PrivateSystemBus>();
        QVERIFY2(m_bus->start(), qPrintable(m_bus->errorString()));
        QVERIFY2(m_bus->isPrivate(), "the system bus is not the test's own: refusing to run");
        m_savedSessionId = qgetenv("XDG_SESSION_ID");
        qunsetenv("XDG_SESSION_ID");
    }

    void init()
    {
        QVERIFY2(m_bus->isPrivate(), "the system bus is not the test's own: refusing to run");
        m_bus->clearCalls();
    }

    void cleanup() { qunsetenv("XDG_SESSION_ID"); }

    void cleanupTestCase()
    {
        m_bus.reset();
        if (!m_savedSessionId.isNull())
            qputenv("XDG_SESSION_ID", m_savedSessionId);
    }

    void asksLogindForTheActionTheFlagsName_data()
    {
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<QStringList>("expectedCalls");

        const QStringList logOff{pidLine(), QStringLiteral("Get org.freedesktop.login1.Session Id"),
                                 QStringLiteral("TerminateSession 1")};
        const QStringList powerOff{QStringLiteral("PowerOff false")};
        const QStringList reboot{QStringLiteral("Reboot false")};
        QTest::newRow("log off") << 4u << logOff;
        QTest::newRow("log off, no force bit") << 0u << logOff;
        QTest::newRow("shut down") << 13u << powerOff;
        QTest::newRow("power off alone") << 8u << powerOff;
        QTest::newRow("reboot") << 6u << reboot;
        QTest::newRow("unknown 1 | 4") << 5u << powerOff;
        QTest::newRow("unknown 3 | 4: reboot wins") << 7u << reboot;
        QTest::newRow("every bit: reboot wins") << 15u << reboot;
    }

    void asksLogindForTheActionTheFlagsName()
    {
        QFETCH(quint32, flags);
        QFETCH(QStringList, expectedCalls);
        QVERIFY2(m_bus->startLogind(), qPrintable(m_bus->errorString()));

        const SessionControl::Result result = requestExit(flags);

        QCOMPARE(m_bus->calls(), expectedCalls);
        QVERIFY2(result.accepted, qPrintable(result.error));
        QCOMPARE(result.error, QString());
    }

    void logOffWithoutAKnownSessionUsesTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("sessionId");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("session id in the environment")
            << QByteArray("c7") << QStringList{pidLine(), QStringLiteral("TerminateSession c7")}
            << true;
        QTest::newRow("no session id anywhere") << QByteArray() << QStringList{pidLine()} << false;
    }

    void logOffWithoutAKnownSessionUsesTheEnvironment()
    {
        QFETCH(QByteArray, sessionId);
        QFETCH(QStringList, expectedCalls);
        QFETCH(bool, accepted);
        QVERIFY2(m_bus->startLogind(PrivateSystemBus::Logind::KnowsNoSession),
                 qPrintable(m_bus->errorString()));
        if (!sessionId.isEmpty())
            qputenv("XDG_SESSION_ID", sessionId);

        const SessionControl::Result result = requestExit(4);

        QCOMPARE(m_bus->calls(), expectedCalls);
        QCOMPARE(result.accepted, accepted);
        if (!accepted)
            QVERIFY2(result.error.contains(QStringLiteral("does not belong to any known session")),
                     qPrintable(result.error));
    }

    void aRefusedRequestReportsLogindsReason_data()
    {
        QTest::addColumn<quint32>("flags");
        QTest::newRow("log off") << 4u;
        QTest::newRow("shut down") << 13u;
        QTest::newRow("reboot") << 6u;
    }

    void aRefusedRequestReportsLogindsReason()
    {
        QFETCH(quint32, flags);
        QVERIFY2(m_bus->startLogind(PrivateSystemBus::Logind::Refuses),
                 qPrintable(m_bus->errorString()));

        const SessionControl::Result result = requestExit(flags);

        QVERIFY(!result.accepted);
        QCOMPARE(result.error, QStringLiteral("Access denied: the test forbids this."));
        QCOMPARE(m_bus->calls().size(), 1);
    }

    void failsPromptlyWithoutLogind()
    {
        QVERIFY2(m_bus->stopLogind(), qPrintable(m_bus->errorString()));
        QElapsedTimer clock;
        clock.start();

        const SessionControl::Result result = requestExit(13);

        QVERIFY(!result.accepted);
        QVERIFY2(result.error.contains(QStringLiteral("org.freedesktop.login1")),
                 qPrintable(result.error));
        QCOMPARE_LT(clock.elapsed(), 1000);
    }

    void failsPromptlyWithoutABus()
    {
        // A bus address where nothing listens, on a connection of its own: this process's
        // system bus connection stays with the private bus.
        QTemporaryDir nowhere;
        const QString name = QStringLiteral("somnivo-test-no-bus");
        const QDBusConnection absent = QDBusConnection::connectToBus(
            QStringLiteral("unix:path=") + nowhere.filePath(QStringLiteral("no_socket")), name);
        QElapsedTimer clock;
        clock.start();

        const SessionControl::Result result = LogindSessionControl(absent).requestExit(13);

        QDBusConnection::disconnectFromBus(name);
        QVERIFY(!result.accepted);
        QCOMPARE(result.error, QStringLiteral("The system bus is not available."));
        QCOMPARE_LT(clock.elapsed(), 1000);
    }
};

QTEST_GUILESS_MAIN(tst_LogindSessionControl)
#include "tst_logind_session_control.moc"
