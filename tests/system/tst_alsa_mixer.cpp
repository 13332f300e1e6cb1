#include "platform/linux/AlsaMixer.h"
#include "support/PrivatePulseAudio.h"
#include "support/TestHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <limits>
#include <memory>
#include <unistd.h>

namespace {

constexpr qint64 QuickMs = 250;

// Catches what anything in this process writes to file descriptor 2, where alsa-lib and
// libpulse write their complaints, while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        if (!m_file.open())
            return;
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QByteArray text()
    {
        if (!m_file.isOpen())
            return QByteArrayLiteral("(stderr could not be caught)");
        restore();
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

qsizetype entriesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

} // namespace

namespace QTest {
template <> char* toString(const std::optional<quint32>& value)
{
    return value ? QTest::toString(*value) : qstrdup("nothing");
}
} // namespace QTest

class tst_AlsaMixer : public QObject
{
    Q_OBJECT

private:
    // Opens the mixer on whichever private server the process points at, and finds its volume.
    static std::optional<Mixer::Control> openVolume(AlsaMixer& mixer)
    {
        if (!mixer.open())
            return std::nullopt;
        const auto line = mixer.findLine(Mixer::SpeakersLine);
        return line ? mixer.findControl(*line, Mixer::VolumeControl) : std::nullopt;
    }

    std::unique_ptr<TestHome> m_home;
    // One server for the tests that leave it running; those that stop it start their own.
    std::unique_ptr<PrivatePulseAudio> m_pulse;

private slots:
    void initTestCase()
    {
        m_home = std::make_unique<TestHome>();
        m_pulse = std::make_unique<PrivatePulseAudio>();
        QVERIFY2(m_pulse->start(), qPrintable(m_pulse->errorString()));
    }

    void init()
    {
        // Refuse to run at all unless sound leads to the private server and nowhere else.
        QVERIFY(m_pulse->pointsHere());
        QVERIFY(m_pulse->isRunning());
    }

    void cleanupTestCase()
    {
        m_pulse.reset();
        m_home.reset();
    }

    void scalesRawRangesBothWays_data()
    {
        QTest::addColumn<long>("minimum");
        QTest::addColumn<long>("maximum");
        QTest::newRow("PulseAudio") << 0L << 65536L;
        QTest::newRow("five-bit card") << 0L << 31L;
        QTest::newRow("one step") << 0L << 1L;
        QTest::newRow("attenuation only") << -10239L << 0L;
        QTest::newRow("signed 16 bits") << -32768L << 32767L;
        QTest::newRow("finer than the scale") << 100L << 1000100L;
    }
    void scalesRawRangesBothWays()
    {
        QFETCH(long, minimum);
        QFETCH(long, maximum);
        QCOMPARE(AlsaMixer::valueFromRaw(minimum, minimum, maximum), 0u);
        QCOMPARE(AlsaMixer::valueFromRaw(maximum, minimum, maximum), 65535u);
        QCOMPARE(AlsaMixer::valueFromRaw(minimum - 1000, minimum, maximum), 0u);
        QCOMPARE(AlsaMixer::valueFromRaw(maximum + 1000, minimum, maximum), 65535u);
        QCOMPARE(AlsaMixer::rawFromValue(0, minimum, maximum), minimum);
        QCOMPARE(AlsaMixer::rawFromValue(65535, minimum, maximum), maximum);
        QCOMPARE(AlsaMixer::rawFromValue(65536, minimum, maximum), maximum);
        QCOMPARE(AlsaMixer::rawFromValue(std::numeric_limits<quint32>::max(), minimum, maximum),
                 maximum);

        // Whichever side is finer, going there and back lands where it started.
        if (maximum - minimum <= 65535) {
            for (long raw = minimum; raw <= maximum; ++raw) {
                const quint32 value = AlsaMixer::valueFromRaw(raw, minimum, maximum);
                QCOMPARE(AlsaMixer::rawFromValue(value, minimum, maximum), raw);
            }
        } else {
            long previous = minimum - 1;
            for (quint32 value = 0; value <= 65535; ++value) {
                const long raw = AlsaMixer::rawFromValue(value, minimum, maximum);
                QVERIFY(raw > previous);
                previous = raw;
                QCOMPARE(AlsaMixer::valueFromRaw(raw, minimum, maximum), value);
            }
        }
    }

    void anEmptyRawRangeStaysInsideIt()
    {
        QCOMPARE(AlsaMixer::valueFromRaw(5, 5, 5), 0u);
        QCOMPARE(AlsaMixer::rawFromValue(40000, 5, 5), 5L);
    }

    void findsOnlyTheSpeakersVolume()
    {
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        QCOMPARE(control->minimum, 0);
        QCOMPARE(control->maximum, 65535);
        const quint32 line = *mixer.findLine(Mixer::SpeakersLine);

        for (quint32 type : {0u, 1u, 3u, 5u, 0x1000u, 0xFFFFFFFFu})
            QCOMPARE(mixer.findLine(type), std::nullopt);
        for (quint32 type : {0u, 0x50030000u, 0x50030002u, 0x30010001u, 0x10020001u})
            QVERIFY(!mixer.findControl(line, type));
        QVERIFY(!mixer.findControl(line + 1, Mixer::VolumeControl));

        QVERIFY(m_pulse->setVolumePercent(50));
        QCOMPARE(mixer.readValue(control->id + 1), std::nullopt);
        QVERIFY(!mixer.writeValue(control->id + 1, 1000));
        QCOMPARE(m_pulse->rawVolume(), 32768);
    }

    // Each change is made by another program after the mixer was opened, so it is only seen if
    // reads take in what the control device reported meanwhile.
    void readsTheSinkVolume_data()
    {
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<quint32>("value");
        QTest::newRow("full") << QStringList{QStringLiteral("100%")} << 65535u;
        QTest::newRow("a quarter") << QStringList{QStringLiteral("16384")} << 16384u;
        QTest::newRow("half") << QStringList{QStringLiteral("32768")} << 32768u;
        QTest::newRow("one step") << QStringList{QStringLiteral("1")} << 1u;
        QTest::newRow("louder on the right")
            << QStringList{QStringLiteral("20000"), QStringLiteral("50000")} << 49999u;
        QTest::newRow("louder on the left")
            << QStringList{QStringLiteral("50000"), QStringLiteral("20000")} << 49999u;
        QTest::newRow("boosted past 100 %") << QStringList{QStringLiteral("150%")} << 65535u;
    }
    void readsTheSinkVolume()
    {
        QFETCH(QStringList, channels);
        QFETCH(quint32, value);
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        QVERIFY(m_pulse->setRawVolume(0));
        QTRY_COMPARE(mixer.readValue(control->id), 0u);

        QVERIFY(m_pulse->pactl(
            QStringList{QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@")} +
            channels));
        QTRY_COMPARE(mixer.readValue(control->id), value);
    }

    void writesReachTheSinkOnAllChannels_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("raw");
        QTest::newRow("just below full") << 65400u << 65401;
        QTest::newRow("a third") << 21845u << 21845;
        QTest::newRow("silent") << 0u << 0;
    }
    void writesReachTheSinkOnAllChannels()
    {
        QFETCH(quint32, value);
        QFETCH(int, raw);
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        QVERIFY(m_pulse->pactl({QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"),
                                QStringLiteral("30000"), QStringLiteral("60000")}));

        QVERIFY(mixer.writeValue(control->id, value));
        QCOMPARE(m_pulse->channelRawVolumes(), (QList<int>{raw, raw}));
        QCOMPARE(mixer.readValue(control->id), value);
    }

    void evenValuesComeBackExactly_data()
    {
        QTest::addColumn<quint32>("value");
        for (quint32 value :
             {0u, 2u, 1000u, 16384u, 32766u, 32768u, 32770u, 49152u, 65400u, 65534u, 65535u})
            QTest::addRow("%u", value) << value;
    }
    void evenValuesComeBackExactly()
    {
        QFETCH(quint32, value);
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);

        QVERIFY(mixer.writeValue(control->id, value));
        QCOMPARE(mixer.readValue(control->id), value);
        // The sink holds the nearest of its own steps, 65536 of them to our 65535.
        const int raw = m_pulse->rawVolume();
        QVERIFY2(raw == int(value) || raw == int(value) + 1, qPrintable(QString::number(raw)));
    }

    void writesAboveTheRangeGiveFullVolume_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::newRow("one past") << 65536u;
        QTest::newRow("far past") << 1000000u;
        QTest::newRow("largest") << std::numeric_limits<quint32>::max();
    }
    void writesAboveTheRangeGiveFullVolume()
    {
        QFETCH(quint32, value);
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        // From half volume, so that a write ALSA dropped would show.
        QVERIFY(m_pulse->setVolumePercent(50));

        QVERIFY(mixer.writeValue(control->id, value));
        QCOMPARE(m_pulse->rawVolume(), 65536);
        QCOMPARE(mixer.readValue(control->id), 65535u);
    }

    void followsTheSoundServerAwayAndBack_data()
    {
        QTest::addColumn<bool>("crash");
        QTest::addColumn<bool>("writeFirst");
        QTest::newRow("exits, then a read") << false << false;
        QTest::newRow("exits, then a write") << false << true;
        QTest::newRow("crashes, then a read") << true << false;
        QTest::newRow("crashes, then a write") << true << true;
    }
    void followsTheSoundServerAwayAndBack()
    {
        QFETCH(bool, crash);
        QFETCH(bool, writeFirst);
        PrivatePulseAudio pulse;
        QVERIFY2(pulse.start(), qPrintable(pulse.errorString()));
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        QVERIFY(mixer.writeValue(control->id, 30000));

        pulse.stop(crash ? PrivatePulseAudio::Stop::Kill : PrivatePulseAudio::Stop::Terminate);
        // A crashed server leaves its socket behind, refusing connections.
        QCOMPARE(QFile::exists(pulse.socketPath()), crash);
        StderrCapture stderrText;
        if (writeFirst) {
            // A write asks the server itself, so it finds it gone at once.
            QVERIFY(!mixer.writeValue(control->id, 20000));
        } else {
            // A read learns it from the control device, a moment after the server went.
            QTRY_VERIFY(!mixer.readValue(control->id));
        }
        for (int attempt = 0; attempt < 3; ++attempt) {
            QElapsedTimer timer;
            timer.start();
            QCOMPARE(mixer.readValue(control->id), std::nullopt);
            QVERIFY(!mixer.writeValue(control->id, 20000));
            QVERIFY2(timer.elapsed() < QuickMs, qPrintable(QString::number(timer.elapsed())));
        }
        QCOMPARE(stderrText.text(), QByteArray());

        // The same object finds the restarted server, which comes up at full volume.
        QVERIFY2(pulse.start(), qPrintable(pulse.errorString()));
        if (writeFirst) {
            QVERIFY(mixer.writeValue(control->id, 20000));
            QCOMPARE(pulse.rawVolume(), 20000);
            QCOMPARE(mixer.readValue(control->id), 20000u);
        } else {
            QCOMPARE(mixer.readValue(control->id), 65535u);
            QVERIFY(mixer.writeValue(control->id, 20000));
            QCOMPARE(pulse.rawVolume(), 20000);
        }
    }

    // The program keeps polling the volume while no server is there; every poll tries the
    // device again, and none of those tries may leave a descriptor or a thread behind.
    void retriesLeaveNothingBehind()
    {
        PrivatePulseAudio pulse;
        QVERIFY2(pulse.start(), qPrintable(pulse.errorString()));
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        pulse.stop();
        QVERIFY(!mixer.writeValue(control->id, 1000));
        const qsizetype descriptors = entriesIn(QStringLiteral("/proc/self/fd"));
        const qsizetype threads = entriesIn(QStringLiteral("/proc/self/task"));

        for (int attempt = 0; attempt < 50; ++attempt) {
            QVERIFY(!mixer.readValue(control->id));
            QVERIFY(!mixer.writeValue(control->id, 1000));
        }
        QCOMPARE(entriesIn(QStringLiteral("/proc/self/fd")), descriptors);
        QCOMPARE(entriesIn(QStringLiteral("/proc/self/task")), threads);
    }

    void findsNothingWithoutASoundServer()
    {
        PrivatePulseAudio none; // never started
        QVERIFY(none.pointsHere());
        QVERIFY(!QFile::exists(none.socketPath()));
        AlsaMixer mixer;
        StderrCapture stderrText;
        QElapsedTimer timer;
        timer.start();

        QVERIFY(!mixer.open());
        QCOMPARE(mixer.findLine(Mixer::SpeakersLine), std::nullopt);
        for (quint32 id : {0u, 1u, 2u, Mixer::VolumeControl}) {
            QVERIFY(!mixer.findControl(id, Mixer::VolumeControl));
            QCOMPARE(mixer.readValue(id), std::nullopt);
            QVERIFY(!mixer.writeValue(id, 1000));
        }
        QVERIFY2(timer.elapsed() < QuickMs, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(stderrText.text(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(tst_AlsaMixer)
#include "tst_alsa_mixer.moc"
