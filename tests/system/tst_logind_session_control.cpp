#include "platform/linux/LogindSessionControl.h"
#include "support/PrivateSystemBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;
using Logind = PrivateSystemBus::Logind;

// Every request here goes to a fake logind on a private bus; the checks before each one keep
// a misconfigured run from ever asking the machine's own logind to end anything.
class tst_LogindSessionControl : public QObject
{
    Q_OBJECT

    PrivateSystemBus m_bus;

    SessionControl::Result requestExit(quint32 flags)
    {
        if (!m_bus.isPrivate())
            qFatal("Refusing to ask for an exit: the system bus is not this test's own.");
        return LogindSessionControl().requestExit(flags);
    }

private slots:
    void initTestCase()
    {
        // Before anything in this process touches the system bus.
        QVERIFY2(m_bus.start(), qPrintable(m_bus.errorString()));
    }
    void init()
    {
        QVERIFY2(m_bus.isPrivate(), "the system bus is not the test's own: refusing to run");
        m_bus.clearCalls();
    }

    void asksLogindForTheActionTheFlagsName_data()
    {
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<Logind>("logind");
        QTest::addColumn<QByteArray>("sessionVariable"); // XDG_SESSION_ID
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("error"); // part of it; none when accepted
        const auto row = [](const char* name, quint32 flags, Logind logind, const char* variable,
                            const QStringList& calls, const QString& error = {}) {
            QTest::newRow(name) << flags << logind << QByteArray(variable) << calls << error;
        };
        const QString pid = u"GetSessionByPID %1"_s.arg(QCoreApplication::applicationPid());
        const QString denied = u"Access denied: the test forbids this."_s;
        row("log off: logind's session before the variable's", 4, Logind::Answers, "c7",
            {pid, u"Get org.freedesktop.login1.Session Id"_s, u"TerminateSession 1"_s});
        row("log off, no session known: the variable's", 4, Logind::KnowsNoSession, "c7",
            {pid, u"TerminateSession c7"_s});
        row("log off, no session anywhere", 4, Logind::KnowsNoSession, "", {pid},
            u"does not belong to any known session"_s);
        row("shut down", 13, Logind::Answers, "", {u"PowerOff false"_s});
        row("reboot", 6, Logind::Answers, "", {u"Reboot false"_s});
        row("unknown 1 | 4", 5, Logind::Answers, "", {u"PowerOff false"_s});
        row("unknown 3 | 4: reboot wins", 7, Logind::Answers, "", {u"Reboot false"_s});
        row("log off refused", 4, Logind::Refuses, "", {pid}, denied);
        row("shut down refused", 13, Logind::Refuses, "", {u"PowerOff false"_s}, denied);
    }
    void asksLogindForTheActionTheFlagsName()
    {
        QFETCH(quint32, flags);
        QFETCH(Logind, logind);
        QFETCH(QByteArray, sessionVariable);
        QFETCH(QStringList, calls);
        QFETCH(QString, error);
        QVERIFY2(m_bus.startLogind(logind), qPrintable(m_bus.errorString()));
        qputenv("XDG_SESSION_ID", sessionVariable);

        const SessionControl::Result result = requestExit(flags);

        QCOMPARE(m_bus.calls(), calls);
        QCOMPARE(result.accepted, error.isEmpty());
        QVERIFY2(error.isEmpty() ? result.error.isEmpty() : result.error.contains(error),
                 qPrintable(result.error));
    }

    void failsPromptlyWithoutLogindOrABus()
    {
        QVERIFY2(m_bus.stopLogind(), qPrintable(m_bus.errorString()));
        // A connection of its own: this process's system bus connection stays with the private bus.
        const auto absent =
            QDBusConnection::connectToBus(u"unix:path=/nonexistent/somnivo"_s, u"none"_s);
        QElapsedTimer clock;
        clock.start();
        const SessionControl::Result noLogind = requestExit(13);
        const SessionControl::Result noBus = LogindSessionControl(absent).requestExit(13);
        QCOMPARE_LT(clock.elapsed(), 1000);
        QVERIFY(!noLogind.accepted);
        QVERIFY2(noLogind.error.contains(u"org.freedesktop.login1"_s), qPrintable(noLogind.error));
        QVERIFY(!noBus.accepted);
        QCOMPARE(noBus.error, u"The system bus is not available."_s);
    }
};

QTEST_GUILESS_MAIN(tst_LogindSessionControl)
#include "tst_logind_session_control.moc"
