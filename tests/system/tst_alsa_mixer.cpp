#include "platform/linux/AlsaMixer.h"
#include "support/PrivatePulseAudio.h"
#include "support/TestHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <functional>
#include <limits>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 QuickMs = 250;

// What work makes this process write to file descriptor 2, where alsa-lib and libpulse complain.
QByteArray stderrOf(const std::function<void()>& work)
{
    QTemporaryFile file;
    if (!file.open())
        return "(stderr could not be caught)";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    work();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

std::optional<Mixer::Control> openVolume(AlsaMixer& mixer)
{
    const auto line = mixer.open() ? mixer.findLine(Mixer::SpeakersLine) : std::nullopt;
    return line ? mixer.findControl(*line, Mixer::VolumeControl) : std::nullopt;
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

    TestHome m_home;
    // For the tests that leave the server running; those that stop it start their own.
    PrivatePulseAudio m_pulse;

private slots:
    void initTestCase() { QVERIFY2(m_pulse.start(), qPrintable(m_pulse.errorString())); }
    // Refuse to run unless sound leads to the private server and nowhere else.
    void init() { QVERIFY(m_pulse.pointsHere()); }

    void scalesRawRangesBothWays_data()
    {
        QTest::addColumn<long>("minimum");
        QTest::addColumn<long>("maximum");
        QTest::newRow("PulseAudio") << 0L << 65536L;
        QTest::newRow("five-bit card") << 0L << 31L;
        QTest::newRow("attenuation only") << -10239L << 0L;
        QTest::newRow("finer than the scale") << 100L << 1000100L;
        QTest::newRow("empty") << 5L << 5L;
    }
    void scalesRawRangesBothWays()
    {
        QFETCH(long, minimum);
        QFETCH(long, maximum);
        const quint32 top = maximum > minimum ? 65535 : 0;
        QCOMPARE(AlsaMixer::valueFromRaw(minimum - 1000, minimum, maximum), 0u);
        QCOMPARE(AlsaMixer::valueFromRaw(minimum, minimum, maximum), 0u);
        QCOMPARE(AlsaMixer::valueFromRaw(maximum, minimum, maximum), top);
        QCOMPARE(AlsaMixer::valueFromRaw(maximum + 1000, minimum, maximum), top);
        QCOMPARE(AlsaMixer::rawFromValue(0, minimum, maximum), minimum);
        for (quint32 value : {65535u, 65536u, std::numeric_limits<quint32>::max()})
            QCOMPARE(AlsaMixer::rawFromValue(value, minimum, maximum), maximum);
        // Whichever side is finer, going there and back lands where it started.
        if (maximum - minimum <= 65535) {
            for (long raw = minimum; raw <= maximum; ++raw) {
                const quint32 value = AlsaMixer::valueFromRaw(raw, minimum, maximum);
                QCOMPARE(AlsaMixer::rawFromValue(value, minimum, maximum), raw);
            }
        } else {
            for (quint32 value = 0; value <= 65535; ++value) {
                const long raw = AlsaMixer::rawFromValue(value, minimum, maximum);
                QCOMPARE(AlsaMixer::valueFromRaw(raw, minimum, maximum), value);
            }
        }
    }

    void findsOnlyTheSpeakersVolume()
    {
        AlsaMixer mixer;
        const auto control = openVolume(mixer);
        QVERIFY(control);
        QCOMPARE(control->minimum, 0);
        QCOMPARE(control->maximum, 65535);
        const quint32 line = *mixer.findLine(Mixer::SpeakersLine);
        for (quint32 type : {0u, 5u, 0xFFFFFFFFu})
            QCOMPARE(mixer.findLine(type), std::nullopt);
        for (quint32 type : {0u, 0x50030000u, 0x50030002u})
            QVERIFY(!mixer.findControl(line, type));
        QVERIFY(!mixer.findControl(line + 1, Mixer::VolumeControl));
        QVERIFY(m_pulse.setRawVolume(32768));
        QCOMPARE(mixer.readValue(control->id + 1), std::nullopt);
        QVERIFY(!mixer.writeValue(control->id + 1, 1000));
        QCOMPARE(m_pulse.rawVolume(), 32768);
    }

    void readsAndWritesTheSinkVolume_data()
    {
        QTest::addColumn<QString>("set"); // by another program, after the mixer was opened
        QTest::addColumn<quint32>("read");
        QTest::addColumn<quint32>("write");
        QTest::addColumn<int>("raw"); // on every channel
        const auto row = [](const char* name, const char* set, quint32 read, quint32 write,
                            int raw) {
            QTest::newRow(name) << QString::fromLatin1(set) << read << write << raw;
        };
        // The sink has 65536 steps to our 65535: even values come back exactly.
        row("a quarter, then silence", "16384", 16384, 0, 0);
        row("louder on the right, then 2", "20000 50000", 49999, 2, 2);
        row("louder on the left, then a quarter", "50000 20000", 49999, 16384, 16384);
        row("boosted past 100 %, then half", "150%", 65535, 32768, 32769);
        row("uneven, then just below full", "30000 60000", 59999, 65400, 65401);
        row("uneven, then full", "30000 60000", 59999, 65535, 65536);
        row("uneven, then one past the range", "30000 60000", 59999, 65536, 65536);
        row("uneven, then the largest", "30000 60000", 59999, 0xFFFFFFFF, 65536);
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
        QVERIFY(m_pulse.pactl(QStringList{u"set-sink-volume"_s, u"testsink"_s} + set.split(u' ')));
        QTRY_COMPARE(mixer.readValue(control->id), read);
        QVERIFY(mixer.writeValue(control->id, write));
        QCOMPARE(m_pulse.channelRawVolumes(), (QList<int>{raw, raw}));
        QCOMPARE(mixer.readValue(control->id), std::min(write, 65535u));
    }

    void followsTheSoundServerAwayAndBack_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("writeFirst");
        QTest::newRow("exits, then a read") << SIGTERM << false;
        QTest::newRow("crashes, then a write") << SIGKILL << true; // its socket refuses
    }
    void followsTheSoundServerAwayAndBack()
    {
        QFETCH(int, signal);
        QFETCH(bool, writeFirst);
        PrivatePulseAudio pulse; // not started yet: no server at all
        QVERIFY(pulse.pointsHere());
        const auto leftovers = [] {
            return QDir(u"/proc/self/fd"_s).count() + QDir(u"/proc/self/task"_s).count();
        };
        QElapsedTimer timer;
        // Nothing of it may reach stderr: alsa-lib and libpulse complain there unless told not to.
        const QByteArray complaints = stderrOf([&] {
            timer.start();
            AlsaMixer none;
            QVERIFY(!none.open());
            QCOMPARE(none.findLine(Mixer::SpeakersLine), std::nullopt);
            QVERIFY(!none.findControl(1, Mixer::VolumeControl));
            QCOMPARE(none.readValue(1), std::nullopt);
            QVERIFY(!none.writeValue(1, 1000));
            QCOMPARE_LT(timer.elapsed(), QuickMs);

            QVERIFY2(pulse.start(), qPrintable(pulse.errorString()));
            AlsaMixer mixer;
            const auto control = openVolume(mixer);
            QVERIFY(control);
            QVERIFY(mixer.writeValue(control->id, 30000));
            pulse.stop(signal);
            if (writeFirst) // a write asks the server itself, so it finds it gone at once
                QVERIFY(!mixer.writeValue(control->id, 20000));
            else // a read learns it from the control device, a moment later
                QTRY_VERIFY(!mixer.readValue(control->id));
            // The program polls on while no server is there: every poll is quick and leaves
            // neither a descriptor nor a thread behind.
            const auto before = leftovers();
            for (int attempt = 0; attempt < 20; ++attempt) {
                timer.start();
                QCOMPARE(mixer.readValue(control->id), std::nullopt);
                QVERIFY(!mixer.writeValue(control->id, 20000));
                QCOMPARE_LT(timer.elapsed(), QuickMs);
            }
            QCOMPARE(leftovers(), before);

            // The same object finds the restarted server, which comes up at full volume.
            QVERIFY2(pulse.start(), qPrintable(pulse.errorString()));
            if (!writeFirst)
                QCOMPARE(mixer.readValue(control->id), 65535u);
            QVERIFY(mixer.writeValue(control->id, 20000));
            QCOMPARE(pulse.rawVolume(), 20000);
            QCOMPARE(mixer.readValue(control->id), 20000u);
        });
        QCOMPARE(complaints, QByteArray());
    }
};

QTEST_GUILESS_MAIN(tst_AlsaMixer)
#include "tst_alsa_mixer.moc"
