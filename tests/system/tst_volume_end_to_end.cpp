#include "support/ProgramSession.h"

#include <QFile>
#include <QTest>

#include <algorithm>

// The real program against a private PulseAudio, through the real ALSA path, driven with real
// input on a private X server.
class tst_VolumeEndToEnd : public QObject
{
    Q_OBJECT

    // A running program whose sound server started at rawVolume (65536 = 100 %).
    static std::unique_ptr<ProgramSession> start(int rawVolume)
    {
        auto session = std::make_unique<ProgramSession>();
        if (!session->startSound(rawVolume) || !session->launch())
            return nullptr;
        return session;
    }

    // Runs a countdown of six seconds that ends by starting a script, sampling the sink's
    // volume until the script has run; the samples, the last one taken after the end.
    static QList<int> runAndSample(const QString& diminuendo)
    {
        ProgramSession session;
        const QString marker = session.home.path() + QStringLiteral("/marker");
        session.store({{SettingKey::RunFile, session.markerScript(marker)},
                       {SettingKey::ShutDown, QStringLiteral("3")},
                       {SettingKey::SetTime, QStringLiteral("0.1")},
                       {SettingKey::Dimin, diminuendo}});
        if (!session.startSound(32768) || !session.launch())
            return {};
        QTest::qWait(1500); // the poll has settled
        QList<int> samples{session.sound.rawVolume()};
        session.click(ProgramSession::SleepNow);
        for (int i = 0; i < 75 && !QFile::exists(marker); ++i) {
            QTest::qWait(200);
            samples.append(session.sound.rawVolume());
        }
        QTest::qWait(300);
        samples.append(session.sound.rawVolume());
        return QFile::exists(marker) ? samples : QList<int>{};
    }

private slots:
    void aFullVolumeComesOutOfStartUpJustBelowTheTop()
    {
        auto session = start(65536);
        QVERIFY(session);
        // The slider stops at 32700, which is 65400 on the mixer's scale, about 99.8 %.
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(session->sound.rawVolume() - 65401) <= 1, 3000);
        const int settled = session->sound.rawVolume();
        QTest::qWait(2500);
        QCOMPARE(session->sound.rawVolume(), settled);
    }

    void theSliderFollowsAChangeMadeElsewhere()
    {
        auto session = start(40001);
        QVERIFY(session);
        QVERIFY(session->sound.pactl({QStringLiteral("set-sink-volume"),
                                      QStringLiteral("@DEFAULT_SINK@"), QStringLiteral("25%")}));
        QTest::qWait(1500);
        // One step up from a quarter: (8192 + 1000) x 2 on the mixer's scale.
        session->click(ProgramSession::VolumeUp);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(session->sound.rawVolume() - 18384) <= 1, 3000);
    }

    void oneStepUpByTheMouseReachesTheSpeakers()
    {
        auto session = start(40001); // the slider shows 20000
        QVERIFY(session);
        QTest::qWait(500);
        session->click(ProgramSession::VolumeUp);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(session->sound.rawVolume() - 42001) <= 1, 3000);
    }

    void diminuendoFadesTheRunAndTheEndRestoresIt()
    {
        const QList<int> samples = runAndSample(QStringLiteral("1"));
        QVERIFY2(samples.size() > 3, "the run did not end with its action");
        const int before = samples.first();
        QVERIFY(std::abs(before - 32768) <= 2);
        QVERIFY2(*std::min_element(samples.begin(), samples.end()) < before - 4000,
                 "the volume did not fade");
        QVERIFY2(std::abs(samples.last() - before) <= 2,
                 qPrintable(QString::number(samples.last())));
    }

    void withoutDiminuendoTheVolumeStaysPut()
    {
        const QList<int> samples = runAndSample(QStringLiteral("0"));
        QVERIFY2(samples.size() > 3, "the run did not end with its action");
        for (int sample : samples)
            QCOMPARE(sample, samples.first());
    }

    void withoutASoundServerStartUpSaysSoAndCarriesOn()
    {
        ProgramSession session; // its sound server is never started
        session.store({{SettingKey::PosX, QStringLiteral("1500")},
                       {SettingKey::PosY, QStringLiteral("3000")}});
        QVERIFY(session.launch({}, false)); // start-up waits in its message first
        const quint64 message = session.display.waitForWindow(QStringLiteral("Volume Control"));
        QVERIFY(message);
        session.xdotool({QStringLiteral("key"), QStringLiteral("--window"),
                         QString::number(message), QStringLiteral("Return")});
        QVERIFY((session.window = session.display.waitForWindow(ProgramSession::MainTitle)));
        QCOMPARE(session.display.windowPosition(session.window), QPoint(100, 200));
    }
};

QTEST_GUILESS_MAIN(tst_VolumeEndToEnd)
#include "tst_volume_end_to_end.moc"
