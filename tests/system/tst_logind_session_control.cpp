#include "platform/linux/LogindSessionControl.h"

#include <QDBusMessage>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

// Every request goes to the logind stand-in (python3-dbusmock) on the private system bus started
// for the test; run this through scripts/lib/private_session.py --system-bus --session-bus. There
// logind answers as it does for a program that the desktop started in an app scope: no session
// of its own, the session "auto" is the user's display session c2. The check before the first
// request keeps a misconfigured run from ever asking the machine's own logind to end anything.
class tst_LogindSessionControl : public QObject
{
    Q_OBJECT

    const QString m_dir = qEnvironmentVariable("SOMNIVO_TEST_DIR");

    // From now on logind answers the method by running code (a raise, or a "ret = ...").
    static void answer(const QString& method, const QString& signature, const QString& result,
                       const QString& code)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
            u"org.freedesktop.DBus.Mock"_s, u"AddMethod"_s);
        call.setArguments({u"org.freedesktop.login1.Manager"_s, method, signature, result, code});
        QCOMPARE(QDBusConnection::systemBus().call(call).type(), QDBusMessage::ReplyMessage);
    }
    // The requests that end something, among the calls logind logged since the last look.
    QStringList endings() const
    {
        static qsizetype seen = 0;
        QStringList calls;
        for (const QString& log : QDir(m_dir).entryList({u"calls-*"_s})) {
            QFile file(m_dir + u'/' + log);
            if (file.open(QIODevice::ReadOnly))
                calls += QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        }
        QStringList found;
        for (const QString& call : calls.mid(std::exchange(seen, calls.size()))) {
            const QString what = call.section(u' ', 1);
            if (what.contains(
                    QRegularExpression(u"^(TerminateSession|PowerOff|Reboot) (?!raised:)"_s)))
                found << what;
        }
        return found;
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
        QTest::addColumn<QString>("logind");             // what it does not know: auto, user, all
        QTest::addColumn<QByteArray>("sessionVariable"); // XDG_SESSION_ID
        QTest::addColumn<QStringList>("endings");
        QTest::addColumn<QString>("error"); // part of it; none when accepted
        const auto row = [](const char* name, quint32 flags, const char* logind,
                            const char* variable, const QStringList& endings,
                            const QString& error = {}) {
            QTest::newRow(name) << flags << QString::fromLatin1(logind) << QByteArray(variable)
                                << endings << error;
        };
        row("log off: the session auto", 4, "", "c7", {u"TerminateSession \"c2\""_s});
        row("log off: the user's display session", 4, "auto", "c7", {u"TerminateSession \"c2\""_s});
        row("log off: the variable's session", 4, "auto user", "c7",
            {u"TerminateSession \"c7\""_s});
        row("log off, no session anywhere", 4, "auto user", "", {}, u"No such session"_s);
        row("shut down", 13, "", "", {u"PowerOff False"_s});
        row("reboot", 6, "", "", {u"Reboot False"_s});
        row("shut down refused", 13, "power", "", {u"PowerOff False"_s}, u"Access denied"_s);
    }
    void asksLogindForTheActionTheFlagsName()
    {
        QFETCH(quint32, flags);
        QFETCH(QString, logind);
        QFETCH(QByteArray, sessionVariable);
        QFETCH(QStringList, endings);
        QFETCH(QString, error);
        const QString refuse = u"raise dbus.exceptions.DBusException(\"%1\", name=\"%2\")"_s;
        const QString noSession =
            refuse.arg(u"No such session"_s, u"org.freedesktop.login1.NoSuchSession"_s);
        answer(u"GetSession"_s, u"s"_s, u"o"_s,
               logind.contains(u"auto"_s) ? noSession
                                          : u"ret = \"/org/freedesktop/login1/session/c2\""_s);
        answer(u"GetUserByPID"_s, u"u"_s, u"o"_s,
               logind.contains(u"user"_s)
                   ? noSession
                   : u"ret = \"/org/freedesktop/login1/user/%1\""_s.arg(getuid()));
        answer(u"PowerOff"_s, u"b"_s, QString(),
               logind.contains(u"power"_s)
                   ? refuse.arg(u"Access denied"_s, u"org.freedesktop.DBus.Error.AccessDenied"_s)
                   : QString());
        qputenv("XDG_SESSION_ID", sessionVariable);
        this->endings();
        std::optional<SessionControl::Result> answer;
        LogindSessionControl control;
        control.requestExit(flags,
                            [&answer](const SessionControl::Result& given) { answer = given; });
        QTRY_VERIFY(answer);
        const SessionControl::Result result = *answer;
        QCOMPARE(this->endings(), endings); // logged before logind answered
        QCOMPARE(result.accepted, error.isEmpty());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }
};

QTEST_GUILESS_MAIN(tst_LogindSessionControl)
#include "tst_logind_session_control.moc"
