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
// the private PulseAudio started for the test (its sink "testsink"); run this through
// scripts/lib/private_session.py --sound.
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

    // A read leaves the sink alone; a write keeps the balance; the levels read come back exactly.
    void readsWritesAndGivesBackTheSinkVolume_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("set"); // by another program, after the mixer was opened
        QTest::addColumn<quint32>("read");
        QTest::addColumn<quint32>("write");
        QTest::addColumn<QList<int>>("written");
        // The sink has 65536 steps to our 65535.
        for (const char* kind : {"pulseaudio", "alsa"}) {
            const auto row = [kind](const char* name) -> QTestData& {
                return QTest::addRow("%s, %s", kind, name) << QString::fromLatin1(kind);
            };
            row("a quarter, then silence") << QList{16384, 16384} << 16384u << 0u << QList{0, 0};
            row("louder left, then quieter")
                << QList{60000, 30000} << 59999u << 40000u << QList{40001, 20000};
            row("odd levels, then full")
                << QList{30001, 60001} << 60000u << 65535u << QList{32768, 65536};
        }
    }
    void readsWritesAndGivesBackTheSinkVolume()
    {
        QFETCH(QString, kind);
        QFETCH(QList<int>, set);
        QFETCH(quint32, read);
        QFETCH(quint32, write);
        QFETCH(QList<int>, written);
        const auto owned = mixerOf(kind);
        Mixer& mixer = *owned;
        const auto control = openVolume(mixer);
        QVERIFY(control && mixer.read(control->id)->value != read);
        QStringList setting{u"set-sink-volume"_s, u"testsink"_s};
        for (const int level : set)
            setting << QString::number(level);
        QCOMPARE(pactl(setting), u""_s);
        QTRY_COMPARE(mixer.read(control->id)->value, read);
        const Mixer::Levels levels = mixer.read(control->id)->levels;
        QCOMPARE(sinkVolumes(), set);
        QVERIFY(mixer.writeValue(control->id, write));
        QTRY_COMPARE(sinkVolumes(), written);
        QVERIFY(mixer.writeLevels(control->id, levels, 500));
        QCOMPARE(sinkVolumes(), set); // taken before the write returned
    }

    // The sound server exits, then crashes; the same mixer keeps failing quietly and quickly
    // while it is gone, and finds it again each time it is back.
    void followsTheSoundServerAwayAndBack_data() { addKinds(); }
    void followsTheSoundServerAwayAndBack()
    {
        QFETCH(QString, kind);
        QProcess server; // the session's exits at the first row; later ones start their own
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
            QTRY_VERIFY(!owned->read(control->id));
            const auto leftovers = [] {
                return QDir(u"/proc/self/fd"_s).count() + QDir(u"/proc/self/task"_s).count();
            };
            const auto before = leftovers();
            for (int attempt = 0; attempt < 20; ++attempt) {
                QElapsedTimer timer;
                timer.start();
                QVERIFY(!owned->read(control->id) && !owned->writeValue(control->id, 2000));
                QCOMPARE_LT(timer.elapsed(), 250);
            }
            // Levels given back wait for the server, as long as they are told to.
            QElapsedTimer timer;
            timer.start();
            QVERIFY(!owned->writeLevels(control->id, {20000, 20000}, 300));
            QVERIFY2(timer.elapsed() >= 250 && timer.elapsed() < 1000,
                     qPrintable(QString::number(timer.elapsed())));
            QCOMPARE(leftovers(), before);
            server.waitForFinished();
            server.start(u"sh"_s, {u"-c"_s, u"exec "_s + qEnvironmentVariable(
                                                             "SOMNIVO_TEST_SOUND_COMMAND")});
            QVERIFY(owned->writeLevels(control->id, {20000, 30000}, 10'000));
            QCOMPARE(sinkVolumes(), (QList<int>{20000, 30000}));
        }
        server.kill();
        server.waitForFinished();
        std::fflush(stderr);
        dup2(stderrCopy, STDERR_FILENO);
        QCOMPARE(caught.readAll(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(tst_Mixers)
#include "tst_mixers.moc"
