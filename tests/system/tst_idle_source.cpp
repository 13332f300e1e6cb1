#include "platform/linux/DesktopIdleSource.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using Way = IdleSource::Way;

// The time without input on the private X server and session bus started for the test (run this
// through scripts/lib/private_session.py --display --session-bus): first the X server's own idle
// counter with real input, then GNOME's idle monitor as python3-dbusmock stands in for it.
class tst_IdleSource : public QObject
{
    Q_OBJECT

    static Way wayOf(IdleSource& source)
    {
        std::optional<Way> found;
        source.findWay([&found](Way way) { found = way; });
        return QTest::qWaitFor([&found] { return found.has_value(); }) ? *found : Way::None;
    }
    static void input(int x)
    {
        QProcess::execute(u"xdotool"_s, {u"mousemove"_s, QString::number(x), u"10"_s});
    }
    // Asks the stand-in of GNOME's idle monitor to do something.
    static QDBusMessage mock(const QString& method, const QVariantList& arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(u"org.gnome.Mutter.IdleMonitor"_s,
                                                           u"/org/gnome/Mutter/IdleMonitor/Core"_s,
                                                           u"org.freedesktop.DBus.Mock"_s, method);
        call.setArguments(arguments);
        return QDBusConnection::sessionBus().call(call);
    }
    static void fire(uint watch)
    {
        mock(u"EmitSignal"_s,
             {u"org.gnome.Mutter.IdleMonitor"_s, u"WatchFired"_s, u"u"_s, QVariantList{watch}});
    }

private slots:
    // Idle a second after the last input, at once when found idle already, active at the next
    // input; nothing while stopped, and the same again after stop().
    void followsTheXServersIdleCounter()
    {
        DesktopIdleSource source;
        QCOMPARE(wayOf(source), Way::Counts);
        QSignalSpy idle(&source, &IdleSource::idle);
        QSignalSpy active(&source, &IdleSource::active);
        // Input, then what makes the source follow it, then idle a second after the input.
        const auto idleASecondAfterInput = [&idle](int x, const std::function<void()>& then) {
            QElapsedTimer sinceInput;
            sinceInput.start();
            input(x);
            then();
            QVERIFY(idle.wait(5000));
            QCOMPARE_GE(sinceInput.elapsed(), 990);
            QVERIFY2(qAbs(idle.last().at(0).toLongLong() - 1000) < 200,
                     qPrintable(idle.last().at(0).toString()));
        };
        for (int round = 1; round <= 2; ++round) {
            // In the second round the input comes while stopped: no active.
            idleASecondAfterInput(round * 100, [&source] { source.follow(); });
            idleASecondAfterInput(round * 100 + 10, [&] { QTRY_COMPARE(active.size(), round); });
            source.stop();
            source.follow();
            QCOMPARE(idle.size(), round * 3);
            QCOMPARE_GE(idle.last().at(0).toLongLong(), 1000);
            source.stop();
        }
    }

    // GNOME's monitor comes first, on X11 too: how long the user has been idle already, then
    // its watches, which it tells only to the connection that added them.
    void followsGnomesIdleMonitorFirst()
    {
        QFile calls(qEnvironmentVariable("SOMNIVO_TEST_DIR") + u"/idle-monitor-calls"_s);
        QProcess monitor;
        monitor.start(u"/usr/bin/python3"_s,
                      {u"-m"_s, u"dbusmock"_s, u"--session"_s, u"-l"_s, calls.fileName(),
                       u"org.gnome.Mutter.IdleMonitor"_s, u"/org/gnome/Mutter/IdleMonitor/Core"_s,
                       u"org.gnome.Mutter.IdleMonitor"_s});
        QTRY_COMPARE(mock(u"ClearCalls"_s, {}).type(), QDBusMessage::ReplyMessage);
        for (const QStringList& method :
             QList<QStringList>{{u"GetIdletime"_s, u""_s, u"t"_s, u"ret = 4321"_s},
                                {u"AddIdleWatch"_s, u"t"_s, u"u"_s, u"ret = 1"_s},
                                {u"AddUserActiveWatch"_s, u""_s, u"u"_s, u"ret = 2"_s},
                                {u"RemoveWatch"_s, u"u"_s, u""_s, u""_s}})
            mock(u"AddMethod"_s,
                 {u"org.gnome.Mutter.IdleMonitor"_s, method[0], method[1], method[2], method[3]});
        // Each watch that was there when following stopped has been removed.
        const auto removed = [&calls](uint watch) {
            calls.open(QIODevice::ReadOnly);
            const auto count = calls.readAll().count("RemoveWatch " + QByteArray::number(watch));
            calls.close();
            return count;
        };
        DesktopIdleSource source;
        QCOMPARE(wayOf(source), Way::Counts);
        QSignalSpy idle(&source, &IdleSource::idle);
        QSignalSpy active(&source, &IdleSource::active);
        for (int round = 1; round <= 2; ++round) {
            source.follow();
            QTRY_COMPARE(idle.size(), round * 2 - 1);
            QCOMPARE(idle.last().at(0).toLongLong(), 4321);
            fire(1); // the idle watch, at once for a user idle already: told once
            fire(2); // the input
            QTRY_COMPARE(active.size(), round);
            fire(1);
            QTRY_COMPARE(idle.size(), round * 2);
            QCOMPARE(idle.last().at(0).toLongLong(), 1000);
            source.stop();
            fire(2); // after stop(), whatever GNOME still says is not heard
            QTRY_COMPARE(removed(1), round);
            QTRY_COMPARE(removed(2), round);
        }
        QCOMPARE(active.size(), 2);
        monitor.kill();
        monitor.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    // Checked before the application connects to a display: the launcher's own, on X11.
    const QString dir = qEnvironmentVariable("SOMNIVO_TEST_DIR");
    if (dir.isEmpty() || qEnvironmentVariableIsEmpty("DISPLAY") ||
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS") !=
            u"unix:path="_s + dir + u"/session-bus"_s)
        qFatal("Refusing to run: the display or the session bus is not the test's own.");
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    tst_IdleSource test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_idle_source.moc"
