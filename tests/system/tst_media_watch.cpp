#include "platform/linux/MprisMediaWatch.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// The players on the private session bus and sound server started for the test (run this through
// scripts/lib/private_session.py --sound --session-bus): a real one, mpv with its MPRIS plug-in,
// and a python3-dbusmock stand-in for what mpv never does.
class tst_MediaWatch : public QObject
{
    Q_OBJECT

    const QString m_dir = qEnvironmentVariable("SOMNIVO_TEST_DIR");
    const QString Fake = u"org.mpris.MediaPlayer2.fake"_s;
    static constexpr qint64 Second = 1'000'000; // µs
    MprisMediaWatch m_watch; // followed again in every row: what stop() forgot stays forgotten

    // As "finished paused 1": the time left -1 when unknown, 1 when more than none.
    static QString describe(const MediaWatch::State& state)
    {
        return u"%1 %2 %3"_s
            .arg(state.finished ? "finished"_L1 : "-"_L1, state.paused ? "paused"_L1 : "-"_L1)
            .arg(std::min<qint64>(state.remainingMs.value_or(-1), 1));
    }
    // mpv's answer to a command on its IPC socket (where it also tells events: skipped).
    QJsonValue ask(const QJsonArray& command) const
    {
        QLocalSocket socket;
        socket.connectToServer(m_dir + u"/mpv.sock"_s);
        const QJsonDocument request(QJsonObject{{u"command"_s, command}});
        socket.write(request.toJson(QJsonDocument::Compact) + '\n');
        for (QJsonObject answer; socket.canReadLine() || socket.waitForReadyRead(2000);)
            if ((answer = QJsonDocument::fromJson(socket.readLine()).object()).contains(u"error"_s))
                return answer.value(u"data"_s);
        return {};
    }
    // Calls the stand-in player: python3-dbusmock's own interface, or the properties' as a player.
    void tell(const QString& interface, const QString& method, const QVariantList& arguments) const
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall(Fake, u"/org/mpris/MediaPlayer2"_s, interface, method);
        call.setArguments(QVariantList{u"org.mpris.MediaPlayer2.Player"_s} + arguments);
        const QDBusMessage answer = QDBusConnection::sessionBus().call(call);
        QVERIFY2(answer.type() == QDBusMessage::ReplyMessage, qPrintable(answer.errorMessage()));
    }

private slots:
    void initTestCase()
    {
        if (m_dir.isEmpty() || qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS") !=
                                   u"unix:path="_s + m_dir + u"/session-bus"_s)
            qFatal("Refusing to run: the session bus is not the test's own.");
    }

    // Two files of 4 s: the estimate follows the position, a seek and the speed; the first file's
    // end is the end (the track id goes from /0 to /1) while mpv plays on.
    void followsMpvToTheEndOfItsFirstFile()
    {
        const QStringList files{m_dir + u"/one.wav"_s, m_dir + u"/two.wav"_s};
        const QString tones =
            u"import sys, wave\nfor path in sys.argv[1:]:\n with wave.open(path, 'wb') as "
            "tone: tone.setparams((1, 2, 8000, 0, 'NONE', None)); "
            "tone.writeframes(bytes(64000))"_s;
        QCOMPARE(QProcess::execute(u"/usr/bin/python3"_s, QStringList{u"-c"_s, tones} + files), 0);
        QProcess mpv;
        mpv.start(u"mpv"_s, QStringList{u"--no-config"_s, u"--script=/etc/mpv/scripts/mpris.so"_s,
                                        u"--no-video"_s, u"--ao=pulse"_s,
                                        u"--input-ipc-server="_s + m_dir + u"/mpv.sock"_s} +
                                files);
        const auto played = [this] { return ask({u"get_property"_s, u"time-pos"_s}).toDouble(); };
        QTRY_VERIFY(played() > 0);
        MprisMediaWatch watch;
        QList<qint64> told; // the time left as each change is told
        connect(&watch, &MediaWatch::changed, this,
                [&] { told << watch.state().remainingMs.value_or(-1); });
        int players = -1;
        watch.follow([&players](int count) { players = count; });
        QTRY_COMPARE(players, 1);
        QTRY_VERIFY(watch.state().remainingMs); // mpv tells the length a moment later
        QCOMPARE_LT(std::abs(*watch.state().remainingMs - (4000 - played() * 1000)), 300);
        // The time left told at the change a command makes: only that is compared, as mpv's
        // position stands still, or goes back, for a while after a seek or a new speed.
        const auto toldAfter = [&](const QJsonArray& command) {
            told.clear();
            ask(command);
            return QTest::qWaitFor([&] { return !told.isEmpty(); }) ? told.first() : -1;
        };
        qint64 before = *watch.state().remainingMs;
        QCOMPARE_LT(std::abs(toldAfter({u"seek"_s, 1}) - (before - 1000)), 300);
        before = *watch.state().remainingMs;
        QCOMPARE_LT(std::abs(toldAfter({u"set_property"_s, u"speed"_s, 2}) - before / 2), 300);
        QVERIFY(!watch.state().finished);
        QTRY_VERIFY_WITH_TIMEOUT(watch.state().finished, 5000);
        QCOMPARE(ask({u"get_property"_s, u"playlist-pos"_s}).toInt(), 1);
        mpv.kill();
        mpv.waitForFinished();
    }

    // What real players do and mpv does not; the state is checked again after a position poll.
    void endsOnlyWhereThePlayerEndsItsItem_data()
    {
        QTest::addColumn<QVariantMap>("start");
        QTest::addColumn<QString>("then"); // a property the player changes, or "leave"
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("state");
        const auto item = [](const char* trackId, const char* title, qint64 length) {
            QVariantMap metadata{
                {u"mpris:trackid"_s, QVariant::fromValue(QDBusObjectPath(trackId))},
                {u"xesam:title"_s, QString::fromLatin1(title)}};
            if (length > 0)
                metadata.insert(u"mpris:length"_s, length);
            return metadata;
        };
        // Rate 0 as from players that never set it: taken as 1.
        const auto player = [](const char* status, const QVariantMap& metadata, qint64 position) {
            return QVariantMap{{u"PlaybackStatus"_s, QString::fromLatin1(status)},
                               {u"Metadata"_s, metadata},
                               {u"Position"_s, position},
                               {u"Rate"_s, 0.0}};
        };
        const auto row = [](const char* name, const QVariantMap& properties, const char* then,
                            const QVariant& value, const char* state) {
            QTest::newRow(name) << properties << then << value << state;
        };
        const QVariantMap one = item("/1", "one", 60 * Second);
        const QVariantMap playing = player("Playing", one, Second);
        row("none playing", player("Paused", one, Second), "", {}, "- - -1");
        row("no length", player("Playing", item("/1", "one", 0), Second), "", {}, "- - -1");
        row("past its length, playing on", player("Playing", item("/1", "one", Second), 5 * Second),
            "", {}, "- - 0");
        row("stops", playing, "PlaybackStatus", u"Stopped"_s, "finished - 0");
        row("leaves the bus", playing, "leave", {}, "finished - 0");
        row("another item, same track id", playing, "Metadata", item("/1", "two", 60 * Second),
            "finished - 0");
        row("names its item after it started",
            player("Playing", item("/org/mpris/MediaPlayer2/TrackList/NoTrack", "", 0), 0),
            "Metadata", one, "- - 1");
        row("pauses at the item's end", player("Playing", one, 59'500'000), "PlaybackStatus",
            u"Paused"_s, "finished - 0");
        row("pauses mid-item", playing, "PlaybackStatus", u"Paused"_s, "- paused -1");
    }
    void endsOnlyWhereThePlayerEndsItsItem()
    {
        QFETCH(QVariantMap, start);
        QFETCH(QString, then);
        QFETCH(QVariant, value);
        QFETCH(QString, state);
        const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY(!bus->isServiceRegistered(Fake)); // the last row's
        QProcess mock;
        mock.start(u"/usr/bin/python3"_s,
                   {u"-m"_s, u"dbusmock"_s, u"--session"_s, Fake, u"/org/mpris/MediaPlayer2"_s,
                    u"org.mpris.MediaPlayer2.Player"_s});
        QTRY_VERIFY(bus->isServiceRegistered(Fake));
        tell(u"org.freedesktop.DBus.Mock"_s, u"AddProperties"_s, {start});
        int players = -1;
        m_watch.follow([&players](int count) { players = count; });
        QTRY_COMPARE(players, start.value(u"PlaybackStatus"_s) == u"Playing"_s ? 1 : 0);
        if (then == u"leave")
            mock.kill();
        else if (!then.isEmpty())
            tell(u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                 {then, QVariant::fromValue(QDBusVariant(value))});
        QTRY_COMPARE(describe(m_watch.state()), state);
        QTest::qWait(2500);
        QCOMPARE(describe(m_watch.state()), state);
        m_watch.stop();
        mock.kill();
        mock.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(tst_MediaWatch)
#include "tst_media_watch.moc"
