#include "audio/VolumeSlider.h"
#include "forms/LineControl.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

// The sleep run in the real window, with time moved by hand and the session and shell faked.
class tst_SleepRun : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f; // emplace ends the old home before the new one starts
    const QString idle = u"Sleep Now!: timGetVolume"_s;
    const QString armed = u"Stop: timCheckEnd Timer1"_s;

    RunState& run() const { return f->window->run(); }
    VolumeSlider& volume() const { return f->window->volumeSlider(); }
    double lineEnd() const { return f->control<LineControl>("Line1")->x2(); }
    QPushButton* button() const { return f->control<QPushButton>("cmdRestz"); }
    // The button's caption and the timers that run, as "Stop: timCheckEnd Timer1".
    QString status() const
    {
        QString shown = button()->text() + u':';
        for (const char* name : {"timCheckEnd", "Timer1", "timGetVolume", "Timer3"}) {
            if (f->control<QTimer>(name)->isActive())
                shown += u' ' + QLatin1StringView(name);
        }
        return shown;
    }
    // The message the run left up, as "text / details".
    QString message() const
    {
        const auto* box = f->window->findChild<QMessageBox*>();
        return box ? box->text() + u" / "_s + box->informativeText() : QString();
    }

    // Arms a countdown of these minutes, or a run until a clock time.
    void arm(const QString& minutes) const
    {
        f->control<QLineEdit>("txtShutDown")->setText(minutes);
        button()->click();
    }
    void arm(int hour, int minute) const
    {
        f->store(SettingKey::Schedule, u"1"_s);
        f->control<QRadioButton>("Option1_1")->setChecked(true);
        f->control<QComboBox>("cmbHour")->setCurrentIndex(hour);
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(minute);
        button()->click();
    }
    void chooseAction(int index) const
    {
        const char* names[] = {"Option2_0", "Option2_1", "Option2_2", "Option2_3"};
        f->control<QRadioButton>(names[index])->setChecked(true);
    }
    void tick()
    {
        f->clock.advance(2000);
        f->window->sleepRun().timCheckEnd_Timer();
    }
    // Lets time pass tick by tick, as timCheckEnd would: the tick that ended the run, or -1.
    int tickUntilIdle(int maxTicks)
    {
        for (int ticks = 1; ticks <= maxTicks; ++ticks) {
            tick();
            if (button()->text() == SleepRun::SleepNowCaption)
                return ticks;
        }
        return -1;
    }

private slots:
    void init() { f.emplace().create(); }
    void cleanup() { f.reset(); }

    void armingAndStopping()
    {
        for (const QString& noTime : {QString(), u"abc"_s, u"00"_s, u"-0"_s}) {
            arm(noTime);
            QCOMPARE(status(), idle);
        }
        volume().setValue(20000);
        arm(u"90"_s);
        QCOMPARE(status(), armed);
        // Half way through 90 minutes, the line is half as long and the volume has faded.
        f->clock.advance(2'698'000);
        tick();
        QCOMPARE(std::pair(lineEnd(), volume().value()), std::pair(2227.5, 19996));
        button()->click();
        QCOMPARE(status(), idle);
        // The line is back at full length; stopping does not undo the fade.
        QCOMPARE(std::pair(lineEnd(), volume().value()), std::pair(4290.0, 19996));
        QVERIFY(f->session.requests.isEmpty());
    }

    // The action stored when the run ends is the one carried out; a refused request leaves the
    // program idle with a message that says why, and the next run tries again.
    void theStoredActionIsCarriedOutOrARefusalTold()
    {
        for (const auto& [action, flags, refused] :
             {std::tuple(1, 13u, u"The computer could not be shut down."_s),
              std::tuple(2, 6u, u"The computer could not be restarted."_s),
              std::tuple(0, 4u, u"The session could not be ended."_s)}) {
            init(); // a fresh window for each
            f->session.refusal = u"Access denied"_s;
            arm(u"0.05"_s);
            chooseAction(action);
            QVERIFY(tickUntilIdle(5) > 0);
            QCOMPARE(message(), refused + u" / Access denied"_s);
            const auto* box = f->window->findChild<QMessageBox*>();
            QVERIFY(box->isVisible() && !box->isModal() && !f->window->isClosed());
            f->session.refusal.clear();
            arm(u"1"_s);
            // 60 s: the 30th tick finds the end exactly, not past it; the 31st ends the run.
            QCOMPARE(tickUntilIdle(100), 31);
            QCOMPARE(f->session.requests, QList<quint32>({flags, flags}));
            QCOMPARE(f->session.privilegeCalls, 2);
            QVERIFY(f->window->isClosed());
        }
    }

    void theFadeStopsAtTheBottomAndTheVolumeComesBack()
    {
        f->window->mixerVolume().CurrentVolume = 40001;
        volume().setValue(20000);
        arm(u"0.1"_s); // 6 s: a step of 3333 every 2 s
        tick();
        QCOMPARE(volume().value(), 16667);
        run().DiminStep = 30000; // as if the user had turned it down meanwhile
        tick();
        QCOMPARE(volume().value(), volume().bottom());
        QCOMPARE(tickUntilIdle(5), 2);
        QCOMPARE(volume().value(), 20000);
    }

    void aClockTimeRunEndsInsideTheMinuteItReadsAtEveryTick()
    {
        // Armed at 07:29:50 for 07:45, then changed to 07:30: the end comes with the first
        // tick at 07:30.
        arm(7, 45);
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(30);
        QCOMPARE(tickUntilIdle(100), 5);
        QCOMPARE(f->clock.localNow().time(), QTime(7, 30, 0));
        QCOMPARE(f->session.requests, QList<quint32>{13});
        // Armed within the minute it ends in: no time to wait, the first tick ends it.
        init();
        f->clock.setLocalNow(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 45)));
        arm(10, 0);
        QCOMPARE(run().SleepMinutes, 0.0);
        QCOMPARE(tickUntilIdle(1), 1);
    }

    void runFileOpensTheStoredFileAndStays()
    {
        chooseAction(3);
        f->store(SettingKey::RunFile, u"/home/me/wake up.sh"_s);
        arm(u"0.05"_s);
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(f->shell.openedPaths, QStringList{u"/home/me/wake up.sh"_s});
        QVERIFY(f->session.requests.isEmpty() && f->session.privilegeCalls == 0);
        QVERIFY(!f->window->isClosed());
        QCOMPARE(message(), QString());
        QCOMPARE(status(), idle); // a countdown is never re-armed

        // A file the shell cannot open is reported.
        f->store(SettingKey::RunFile, u"/gone.txt"_s);
        f->shell.outcome = {false, u"The file does not exist."_s};
        arm(u"0.05"_s);
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(message(), u"Run File could not open \"/gone.txt\". / The file does not exist."_s);
    }

    void aDailyRunFileIsArmedAgainForTheNextDayUnlessArmedByHand()
    {
        for (const bool armedByHand : {false, true}) {
            init();
            chooseAction(3);
            f->store(SettingKey::RunDaily, u"1"_s);
            arm(7, 30);
            QVERIFY(tickUntilIdle(100) > 0);
            QCOMPARE(status(), idle + u" Timer3"_s);
            if (armedByHand)
                arm(9, 30);
            f->clock.advance(65530);
            f->window->sleepRun().Timer3_Timer();
            QCOMPARE(status(), armed);
            QCOMPARE(run().SleepMinutes, armedByHand ? 120.0 : 1439.0);
        }
    }

    void startUpArmsADailyClockTime()
    {
        MainWindowFixture daily;
        daily.storeAll(u"Schedule=1 RunDaily=1 SHour=8"_s);
        QCOMPARE(daily.create().run().SleepMinutes, 31.0);
        QCOMPARE(daily.control<QPushButton>("cmdRestz")->text(), u"Stop"_s);
        MainWindowFixture notDaily;
        notDaily.storeAll(u"Schedule=1"_s);
        notDaily.create();
        QCOMPARE(notDaily.control<QPushButton>("cmdRestz")->text(), u"Sleep Now!"_s);
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_SleepRun)
#include "tst_sleep_run.moc"
