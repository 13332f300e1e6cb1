#include "platform/linux/LogindSessionControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Every request goes to the fake logind on the private system bus the test harness started; run
// this through tests/system/harness.py --system-bus --session-bus. The check before the first
// request keeps a misconfigured run from ever asking the machine's own logind to end anything.
class tst_LogindSessionControl : public QObject
{
    Q_OBJECT

    const QString m_dir = qEnvironmentVariable("SOMNIVO_TEST_DIR");

    void setLogind(const QByteArray& mode) const
    {
        QFile file(m_dir + u"/fake-mode"_s);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(mode) == mode.size());
    }
    QStringList calls() const
    {
        QFile file(m_dir + u"/calls"_s);
        file.open(QIODevice::ReadOnly);
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        file.remove();
        return lines;
    }

private slots:
    void initTestCase()
    {
        if (m_dir.isEmpty() || qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS") !=
                                   u"unix:path="_s + m_dir + u"/system-bus"_s)
            qFatal("Refusing to run: the system bus is not the test's own.");
    }

    void asksLogindForTheActionTheFlagsName_data()
    {
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<QByteArray>("logind");          // "", "refuse", "no-session"
        QTest::addColumn<QByteArray>("sessionVariable"); // XDG_SESSION_ID
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("error"); // part of it; none when accepted
        const QString pid = u"GetSessionByPID %1"_s.arg(QCoreApplication::applicationPid());
        const QString denied = u"Access denied: the test forbids this."_s;
        const auto row = [](const char* name, quint32 flags, const char* logind,
                            const char* variable, const QStringList& calls,
                            const QString& error = {}) {
            QTest::newRow(name) << flags << QByteArray(logind) << QByteArray(variable) << calls
                                << error;
        };
        row("log off: logind's session before the variable's", 4, "", "c7",
            {pid, u"Get org.freedesktop.login1.Session Id"_s, u"TerminateSession 1"_s});
        row("log off, no session known: the variable's", 4, "no-session", "c7",
            {pid, u"TerminateSession c7"_s});
        row("log off, no session anywhere", 4, "no-session", "", {pid},
            u"does not belong to any known session"_s);
        row("shut down", 13, "", "", {u"PowerOff false"_s});
        row("reboot", 6, "", "", {u"Reboot false"_s});
        row("unknown 1 | 4", 5, "", "", {u"PowerOff false"_s});
        row("unknown 3 | 4: reboot wins", 7, "", "", {u"Reboot false"_s});
        row("shut down refused", 13, "refuse", "", {u"PowerOff false"_s}, denied);
    }
    void asksLogindForTheActionTheFlagsName()
    {
        QFETCH(quint32, flags);
        QFETCH(QByteArray, logind);
        QFETCH(QByteArray, sessionVariable);
        QFETCH(QStringList, calls);
        QFETCH(QString, error);
        setLogind(logind);
        qputenv("XDG_SESSION_ID", sessionVariable);
        const SessionControl::Result result = LogindSessionControl().requestExit(flags);
        QCOMPARE(this->calls(), calls);
        QCOMPARE(result.accepted, error.isEmpty());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }

    void failsPromptlyWithoutLogindOrABus()
    {
        QElapsedTimer clock;
        clock.start();
        // The session bus has no logind on it.
        const auto noLogind = LogindSessionControl(QDBusConnection::sessionBus()).requestExit(13);
        const auto noBus = LogindSessionControl(QDBusConnection::connectToBus(
                                                    u"unix:path=/nonexistent/somnivo"_s, u"none"_s))
                               .requestExit(13);
        QCOMPARE_LT(clock.elapsed(), 1000);
        QVERIFY2(!noLogind.accepted && noLogind.error.contains(u"org.freedesktop.login1"_s),
                 qPrintable(noLogind.error));
        QCOMPARE(noBus.error, u"The system bus is not available."_s);
    }
};

QTEST_GUILESS_MAIN(tst_LogindSessionControl)
#include "tst_logind_session_control.moc"
