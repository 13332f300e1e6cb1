#include "app/SettingsStore.h"
#include "support/PrivatePulseAudio.h"
#include "support/ProgramUnderTest.h"
#include "support/TestHome.h"
#include "support/VirtualDisplay.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <memory>

// The real program against a private PulseAudio, through the real ALSA path, driven with real
// input on a private X server.
class tst_VolumeEndToEnd : public QObject
{
    Q_OBJECT

    const QString title = QStringLiteral("Somnivo - Auto Shutdown Timer ");
    // Where things are in the window: the slider's arrows and "Sleep Now!".
    const QPoint upArrow{316, 18};

    struct Session
    {
        TestHome home;
        PrivatePulseAudio sound;
        VirtualDisplay display;
        std::unique_ptr<ProgramUnderTest> program;
        quint64 window = 0;
        SettingsStore settings{[] { return QStringLiteral("somnivo"); }};

        void click(QPoint inWindow) const
        {
            display.click(display.windowPosition(window) + inWindow);
        }
    };

    // A session whose sound server starts at rawVolume (65536 = 100 %), or has no server at all.
    static std::unique_ptr<Session>
    start(std::optional<int> rawVolume,
          const QList<std::pair<QLatin1StringView, QString>>& options = {})
    {
        auto session = std::make_unique<Session>();
        if (!session->sound.pointsHere())
            qFatal("Refusing to run: the sound environment is not the test's own.");
        if (rawVolume && (!session->sound.start() || !session->sound.setRawVolume(*rawVolume)))
            return nullptr;
        for (const auto& [key, value] : options)
            session->settings.WriteSetting(key, value);
        session->program = std::make_unique<ProgramUnderTest>(session->display);
        session->program->useSoundServer(session->sound);
        if (!session->program->start())
            return nullptr;
        return session;
    }

    // Runs a countdown of a few seconds that ends by starting a script, sampling the sink's
    // volume until the script has run; the samples, the last one taken after the end.
    static QList<int> runAndSample(Session& session, const QString& diminuendo)
    {
        const QString marker = session.home.path() + QStringLiteral("/marker");
        const QString script = session.home.path() + QStringLiteral("/done.sh");
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\ntouch \"" + marker.toUtf8() + "\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        session.settings.WriteSetting(SettingKey::RunFile, script);
        session.settings.WriteSetting(SettingKey::ShutDown, QStringLiteral("3"));
        session.settings.WriteSetting(SettingKey::SetTime, QStringLiteral("0.1"));
        session.settings.WriteSetting(SettingKey::Dimin, diminuendo);

        session.program = std::make_unique<ProgramUnderTest>(session.display);
        session.program->useSoundServer(session.sound);
        if (!session.program->start() || !(session.window = session.display.waitForWindow(
                                               QStringLiteral("Somnivo - Auto Shutdown Timer "))))
            return {};
        QTest::qWait(1500); // the poll has settled
        QList<int> samples{session.sound.rawVolume()};
        session.click({50, 178});
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
        QVERIFY(session->display.waitForWindow(title));
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
        QVERIFY((session->window = session->display.waitForWindow(title)));
        QVERIFY(session->sound.pactl({QStringLiteral("set-sink-volume"),
                                      QStringLiteral("@DEFAULT_SINK@"), QStringLiteral("25%")}));
        QTest::qWait(1500);
        // One step up from a quarter: (8192 + 1000) x 2 on the mixer's scale.
        session->click(upArrow);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(session->sound.rawVolume() - 18384) <= 1, 3000);
    }

    void oneStepUpByTheMouseReachesTheSpeakers()
    {
        auto session = start(40001); // the slider shows 20000
        QVERIFY(session);
        QVERIFY((session->window = session->display.waitForWindow(title)));
        QTest::qWait(500);
        session->click(upArrow);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(session->sound.rawVolume() - 42001) <= 1, 3000);
    }

    void diminuendoFadesTheRunAndTheEndRestoresIt()
    {
        auto session = start(32768);
        QVERIFY(session);
        session->program.reset();
        const QList<int> samples = runAndSample(*session, QStringLiteral("1"));
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
        auto session = start(32768);
        QVERIFY(session);
        session->program.reset();
        const QList<int> samples = runAndSample(*session, QStringLiteral("0"));
        QVERIFY2(samples.size() > 3, "the run did not end with its action");
        for (int sample : samples)
            QCOMPARE(sample, samples.first());
    }

    void withoutASoundServerStartUpSaysSoAndCarriesOn()
    {
        auto session = start(std::nullopt, {{SettingKey::PosX, QStringLiteral("1500")},
                                            {SettingKey::PosY, QStringLiteral("3000")}});
        QVERIFY(session);
        const quint64 message = session->display.waitForWindow(QStringLiteral("Volume Control"));
        QVERIFY(message);
        session->display.run(QStringLiteral("xdotool"),
                             {QStringLiteral("key"), QStringLiteral("--window"),
                              QString::number(message), QStringLiteral("Return")});
        QVERIFY((session->window = session->display.waitForWindow(title)));
        QCOMPARE(session->display.windowPosition(session->window), QPoint(100, 200));
    }
};

QTEST_GUILESS_MAIN(tst_VolumeEndToEnd)
#include "tst_volume_end_to_end.moc"
