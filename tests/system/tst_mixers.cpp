#include "platform/linux/AlsaMixer.h"
#include "platform/linux/PulseAudioMixer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <limits>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The master volume in the sound server's own protocol and through ALSA's pulse plugin, against
// the private PulseAudio the test harness started (its sink "testsink"); run this through
// tests/system/harness.py --sound.
class tst_Mixers : public QObject
{
    Q_OBJECT

    // pactl's output; "failed" when it failed.
    static QString pactl(const QStringList& arguments)
    {
        QProcess process;
        process.start(u"pactl"_s, arguments);
        process.waitForFinished();
        return process.exitCode() == 0 ? QString::fromLocal8Bit(process.readAllStandardOutput())
                                       : u"failed"_s;
    }
    // The raw volume of each channel of the sink (65536 = 100 %).
    static QList<int> sinkVolumes()
    {
        QList<int> raw;
        static const QRegularExpression channel(u":\\s*(\\d+)\\s*/"_s);
        for (const auto& match : channel.globalMatch(pactl({u"get-sink-volume"_s, u"testsink"_s})))
            raw << match.captured(1).toInt();
        return raw;
    }
    static std::unique_ptr<Mixer> mixerOf(const QString& kind)
    {
        return kind == u"alsa" ? std::unique_ptr<Mixer>(new AlsaMixer)
                               : std::unique_ptr<Mixer>(new PulseAudioMixer);
    }
    static std::optional<Mixer::Control> openVolume(Mixer& mixer)
    {
        const auto line = mixer.open() ? mixer.findLine(Mixer::SpeakersLine) : std::nullopt;
        return line ? mixer.findControl(*line, Mixer::VolumeControl) : std::nullopt;
    }
    static void addKinds()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pulseaudio") << u"pulseaudio"_s;
        QTest::newRow("alsa") << u"alsa"_s;
    }

private slots:
    void initTestCase()
    {
        const QString server =
            u"unix:"_s + qEnvironmentVariable("SOMNIVO_TEST_DIR") + u"/pulse/native"_s;
        if (qEnvironmentVariable("PULSE_SERVER") != server ||
            !qEnvironmentVariable("ALSA_CONFIG_PATH").endsWith(u"/asound-pulse-only.conf"_s))
            qFatal("Refusing to run: sound does not lead to the test's own server.");
        QVERIFY(pactl({u"info"_s}).contains(u"Default Sink: testsink"_s));
    }

    void readsAndWritesTheSinkVolume_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("set"); // by another program, after the mixer was opened
        QTest::addColumn<quint32>("read");
        QTest::addColumn<quint32>("write");
        QTest::addColumn<int>("raw"); // on every channel
        // The sink has 65536 steps to our 65535: even values come back exactly.
        for (const char* kind : {"pulseaudio", "alsa"}) {
            const auto row = [kind](const char* name) -> QTestData& {
                return QTest::addRow("%s, %s", kind, name) << QString::fromLatin1(kind);
            };
            row("a quarter, then silence") << u"16384"_s << 16384u << 0u << 0;
            row("louder right, then 2") << u"20000 50000"_s << 49999u << 2u << 2;
            row("past 100 %, then half") << u"150%"_s << 65535u << 32768u << 32769;
            row("uneven, then full") << u"30000 60000"_s << 59999u << 65535u << 65536;
            row("the largest") << u"30000 60000"_s << 59999u << 0xFFFFFFFFu << 65536;
        }
    }
    void readsAndWritesTheSinkVolume()
    {
        QFETCH(QString, kind);
        QFETCH(QString, set);
        QFETCH(quint32, read);
        QFETCH(quint32, write);
        QFETCH(int, raw);
        const auto owned = mixerOf(kind);
        Mixer& mixer = *owned;
        const auto control = openVolume(mixer);
        QVERIFY(control && mixer.readValue(control->id) != read);
        QCOMPARE(pactl(QStringList{u"set-sink-volume"_s, u"testsink"_s} + set.split(u' ')), u""_s);
        QTRY_COMPARE(mixer.readValue(control->id), read);
        QVERIFY(mixer.writeValue(control->id, write));
        QTRY_COMPARE(sinkVolumes(), (QList<int>{raw, raw}));
        QCOMPARE(mixer.readValue(control->id), std::min(write, 65535u));
    }

    // The sound server exits, then crashes; the same mixer keeps failing quietly and quickly
    // while it is gone, and finds it again each time it is back.
    void followsTheSoundServerAwayAndBack_data() { addKinds(); }
    void followsTheSoundServerAwayAndBack()
    {
        QFETCH(QString, kind);
        QProcess server; // the harness's exits at the first row; later ones start their own
        const auto startServer = [&server] {
            server.start(u"sh"_s, {u"-c"_s, u"exec "_s + qEnvironmentVariable(
                                                             "SOMNIVO_TEST_SOUND_COMMAND")});
            QTRY_VERIFY(pactl({u"info"_s}).contains(u"testsink"_s));
        };
        if (!pactl({u"info"_s}).contains(u"testsink"_s))
            startServer();
        const auto owned = mixerOf(kind);
        const auto control = openVolume(*owned);
        QVERIFY(control);
        QTemporaryFile caught; // alsa-lib and libpulse complain on stderr unless told not to
        QVERIFY(caught.open());
        const int stderrCopy = dup(STDERR_FILENO);
        dup2(caught.handle(), STDERR_FILENO);
        for (int round = 0; round < 2; ++round) {
            if (round == 0)
                pactl({u"exit"_s});
            else
                server.kill(); // a crash, whose socket refuses connections
            QTRY_VERIFY(!owned->readValue(control->id));
            const auto leftovers = [] {
                return QDir(u"/proc/self/fd"_s).count() + QDir(u"/proc/self/task"_s).count();
            };
            const auto before = leftovers();
            for (int attempt = 0; attempt < 20; ++attempt) {
                QElapsedTimer timer;
                timer.start();
                QVERIFY(!owned->readValue(control->id) && !owned->writeValue(control->id, 2000));
                QCOMPARE_LT(timer.elapsed(), 250);
            }
            QCOMPARE(leftovers(), before);
            server.waitForFinished();
            startServer();
            QTRY_COMPARE(owned->readValue(control->id), 65535u); // a new server starts at full
            QVERIFY(owned->writeValue(control->id, 20000));
            QTRY_COMPARE(sinkVolumes().value(0), 20000);
        }
        std::fflush(stderr);
        dup2(stderrCopy, STDERR_FILENO);
        QCOMPARE(caught.readAll(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(tst_Mixers)
#include "tst_mixers.moc"
