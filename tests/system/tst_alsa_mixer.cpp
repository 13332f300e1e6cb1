#include "platform/linux/AlsaMixer.h"

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

// The master volume through ALSA's pulse plugin, against the private PulseAudio the test harness
// started (its sink "testsink"); run this through tests/system/harness.py --sound.
class tst_AlsaMixer : public QObject
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
    static std::optional<Mixer::Control> openVolume(AlsaMixer& mixer)
    {
        const auto line = mixer.open() ? mixer.findLine(Mixer::SpeakersLine) : std::nullopt;
        return line ? mixer.findControl(*line, Mixer::VolumeControl) : std::nullopt;
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

    // Whichever side is finer, there and back again lands where it started; the ends are held.
    void scalesRawRangesBothWays()
    {
        for (const auto& [low, high] : {std::pair(0L, 65536L), std::pair(0L, 31L),
                                        std::pair(-10239L, 0L), std::pair(100L, 1000100L)}) {
            QCOMPARE(AlsaMixer::valueFromRaw(low - 1000, low, high), 0u);
            QCOMPARE(AlsaMixer::valueFromRaw(high + 1000, low, high), 65535u);
            QCOMPARE(AlsaMixer::rawFromValue(std::numeric_limits<quint32>::max(), low, high), high);
            for (long raw = low; raw <= high && high - low <= 65535; ++raw)
                QCOMPARE(
                    AlsaMixer::rawFromValue(AlsaMixer::valueFromRaw(raw, low, high), low, high),
                    raw);
            for (quint32 value = 0; value <= 65535 && high - low > 65535; ++value)
                QCOMPARE(
                    AlsaMixer::valueFromRaw(AlsaMixer::rawFromValue(value, low, high), low, high),
                    value);
        }
    }

    void readsAndWritesTheSinkVolume_data()
    {
        QTest::addColumn<QString>("set"); // by another program, after the mixer was opened
        QTest::addColumn<quint32>("read");
        QTest::addColumn<quint32>("write");
        QTest::addColumn<int>("raw"); // on every channel
        // The sink has 65536 steps to our 65535: even values come back exactly.
        QTest::newRow("a quarter, then silence") << u"16384"_s << 16384u << 0u << 0;
        QTest::newRow("louder right, then 2") << u"20000 50000"_s << 49999u << 2u << 2;
        QTest::newRow("past 100 %, then half") << u"150%"_s << 65535u << 32768u << 32769;
        QTest::newRow("uneven, then full") << u"30000 60000"_s << 59999u << 65535u << 65536;
        QTest::newRow("the largest") << u"30000 60000"_s << 59999u << 0xFFFFFFFFu << 65536;
    }
    void readsAndWritesTheSinkVolume()
    {
        QFETCH(QString, set);
        QFETCH(quint32, read);
        QFETCH(quint32, write);
        QFETCH(int, raw);
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control && mixer.readValue(control->id) != read);
        QCOMPARE(pactl(QStringList{u"set-sink-volume"_s, u"testsink"_s} + set.split(u' ')), u""_s);
        QTRY_COMPARE(mixer.readValue(control->id), read);
        QVERIFY(mixer.writeValue(control->id, write));
        QCOMPARE(sinkVolumes(), (QList<int>{raw, raw}));
        QCOMPARE(mixer.readValue(control->id), std::min(write, 65535u));
    }

    // The sound server exits, then crashes; the same mixer keeps failing quietly and quickly
    // while it is gone, and finds it again each time it is back.
    void followsTheSoundServerAwayAndBack()
    {
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        QTemporaryFile caught; // alsa-lib and libpulse complain on stderr unless told not to
        QVERIFY(caught.open());
        const int stderrCopy = dup(STDERR_FILENO);
        dup2(caught.handle(), STDERR_FILENO);
        pactl({u"exit"_s});
        QProcess server;
        for (int round = 0; round < 2; ++round) {
            QTRY_VERIFY(!mixer.readValue(control->id));
            const auto leftovers = [] {
                return QDir(u"/proc/self/fd"_s).count() + QDir(u"/proc/self/task"_s).count();
            };
            const auto before = leftovers();
            for (int attempt = 0; attempt < 20; ++attempt) {
                QElapsedTimer timer;
                timer.start();
                QVERIFY(!mixer.readValue(control->id) && !mixer.writeValue(control->id, 2000));
                QCOMPARE_LT(timer.elapsed(), 250);
            }
            QCOMPARE(leftovers(), before);
            server.start(u"sh"_s, {u"-c"_s, u"exec "_s + qEnvironmentVariable(
                                                             "SOMNIVO_TEST_SOUND_COMMAND")});
            QTRY_VERIFY(pactl({u"info"_s}).contains(u"testsink"_s));
            QTRY_COMPARE(mixer.readValue(control->id), 65535u); // a new server starts at full
            QVERIFY(mixer.writeValue(control->id, 20000));
            QCOMPARE(sinkVolumes().value(0), 20000);
            server.kill(); // then a crash, whose socket refuses connections
            server.waitForFinished();
        }
        std::fflush(stderr);
        dup2(stderrCopy, STDERR_FILENO);
        QCOMPARE(caught.readAll(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(tst_AlsaMixer)
#include "tst_alsa_mixer.moc"
