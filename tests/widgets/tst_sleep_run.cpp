#include "audio/VolumeSlider.h"
#include "forms/LineControl.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

// The sleep run in the real window, with time moved by hand and the session and shell faked.
class tst_SleepRun : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    frmSomnivo& window() const { return *f->window; }
    QPushButton* button() const { return f->control<QPushButton>("cmdRestz"); }
    QTimer* timer(const char* name) const { return f->control<QTimer>(name); }
    double lineEnd() const { return f->control<LineControl>("Line1")->x2(); }
    VolumeSlider& volume() const { return f->window->volumeSlider(); }

    void setCountdown(const QString& minutes) const
    {
        f->control<QLineEdit>("txtShutDown")->setText(minutes);
    }
    void setClockTime(int hour, int minute) const
    {
        f->store(SettingKey::Schedule, QStringLiteral("1"));
        f->control<QRadioButton>("Option1_1")->setChecked(true);
        f->control<QComboBox>("cmbHour")->setCurrentIndex(hour);
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(minute);
    }
    void chooseAction(int index) const
    {
        const char* names[] = {"Option2_0", "Option2_1", "Option2_2", "Option2_3"};
        f->control<QRadioButton>(names[index])->setChecked(true);
    }
    // Lets time pass tick by tick, as timCheckEnd would, until the run is over or the time is up.
    int tickUntilIdle(int maxTicks)
    {
        for (int tick = 1; tick <= maxTicks; ++tick) {
            f->clock.advance(2000);
            window().sleepRun().timCheckEnd_Timer();
            if (button()->text() == SleepRun::SleepNowCaption)
                return tick;
        }
        return -1;
    }
    QMessageBox* shownMessage() const { return window().findChild<QMessageBox*>(); }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->create();
    }
    void cleanup() { f.reset(); }

    void armingAndStopping()
    {
        setCountdown(QStringLiteral("90"));
        volume().setValue(20000);
        button()->click();
        QCOMPARE(button()->text(), QStringLiteral("Stop"));
        QVERIFY(timer("timCheckEnd")->isActive());
        QVERIFY(timer("Timer1")->isActive());
        QVERIFY(!timer("timGetVolume")->isActive());
        const RunState& run = window().run();
        QCOMPARE(run.SleepSpanMs, 5'400'000.0);
        QCOMPARE(run.StartTick, double(f->clock.milliseconds()));
        QCOMPARE(run.DiminStep, 4);

        // Half way through, the line is half as long and the volume has faded.
        f->clock.advance(2'700'000);
        window().sleepRun().timCheckEnd_Timer();
        QCOMPARE(lineEnd(), 2227.5);
        QCOMPARE(volume().value(), 19996);

        button()->click();
        QCOMPARE(button()->text(), QStringLiteral("Sleep Now!"));
        QVERIFY(!timer("timCheckEnd")->isActive());
        QVERIFY(!timer("Timer1")->isActive());
        QVERIFY(timer("timGetVolume")->isActive());
        QCOMPARE(lineEnd(), 4290.0);
        QCOMPARE(volume().value(), 19996); // stopping does not undo the fade
        QVERIFY(f->session.requests.isEmpty());
    }

    void aCountdownThatReadsAsNoTimeIsNotArmed_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"", "abc", "00", "-0"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void aCountdownThatReadsAsNoTimeIsNotArmed()
    {
        QFETCH(QString, text);
        setCountdown(text);
        button()->click();
        QCOMPARE(button()->text(), QStringLiteral("Sleep Now!"));
        QVERIFY(!timer("timCheckEnd")->isActive());
        QVERIFY(timer("timGetVolume")->isActive());
    }

    void aCountdownEndsAtTheFirstTickAfterItsEnd()
    {
        setCountdown(QStringLiteral("1"));
        button()->click();
        // 60 s: the 30th tick finds the end exactly, not past it; the 31st ends the run.
        QCOMPARE(tickUntilIdle(100), 31);
        QCOMPARE(f->session.requests, QList<quint32>{13});
        QCOMPARE(f->session.privilegeCalls, 1);
        QVERIFY(!window().isVisible());
    }

    void theFadeStopsAtTheBottomAndTheVolumeComesBack()
    {
        window().mixerVolume().CurrentVolume = 40001;
        volume().setValue(20000);
        setCountdown(QStringLiteral("0.1")); // 6 s: a step of 3333 every 2 s
        button()->click();
        f->clock.advance(2000);
        window().sleepRun().timCheckEnd_Timer();
        QCOMPARE(volume().value(), 16667);
        window().run().DiminStep = 30000; // as if the user had turned it down meanwhile
        f->clock.advance(2000);
        window().sleepRun().timCheckEnd_Timer();
        QCOMPARE(volume().value(), volume().bottom());
        QCOMPARE(tickUntilIdle(5), 2);
        QCOMPARE(volume().value(), 20000);
    }

    void theActionStoredAtTheEndIsTheOneCarriedOut()
    {
        setCountdown(QStringLiteral("0.05"));
        button()->click();
        chooseAction(2);
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(f->session.requests, QList<quint32>{6});

        f->session.requests.clear();
        chooseAction(0);
        button()->click();
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(f->session.requests, QList<quint32>{4});
    }

    void aClockTimeRunEndsInsideItsMinute()
    {
        // Armed at 07:29:50 for 07:30: the end comes with the first tick at 07:30.
        setClockTime(7, 30);
        button()->click();
        QCOMPARE(window().run().SleepMinutes, 1.0);
        QCOMPARE(tickUntilIdle(100), 5);
        QCOMPARE(f->clock.localNow().time(), QTime(7, 30, 0));
        QCOMPARE(f->session.requests, QList<quint32>{13});
    }

    void aClockTimeRunOfTheCurrentMinuteEndsAtTheFirstTick()
    {
        f->clock.setLocalNow(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 45)));
        setClockTime(10, 0);
        button()->click();
        QCOMPARE(window().run().SleepMinutes, 0.0);
        QCOMPARE(tickUntilIdle(1), 1);
        QCOMPARE(lineEnd(), 4290.0);
    }

    void aChangedTargetMovesTheEnd()
    {
        setClockTime(7, 30);
        button()->click();
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(45);
        QCOMPARE(tickUntilIdle(100), -1);
        QCOMPARE(tickUntilIdle(400), 355); // from 07:33:10 to 07:45:00
        QCOMPARE(f->clock.localNow().time().minute(), 45);
    }

    void aRefusedExitLeavesTheProgramIdleAndSaysWhy_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("shut down") << 1 << QStringLiteral("The computer could not be shut down.");
        QTest::newRow("restart") << 2 << QStringLiteral("The computer could not be restarted.");
        QTest::newRow("log off") << 0 << QStringLiteral("The session could not be ended.");
    }
    void aRefusedExitLeavesTheProgramIdleAndSaysWhy()
    {
        QFETCH(int, action);
        QFETCH(QString, text);
        window().show();
        chooseAction(action);
        f->session.refusal = QStringLiteral("Access denied");
        setCountdown(QStringLiteral("0.05"));
        button()->click();
        QVERIFY(tickUntilIdle(5) > 0);
        QVERIFY(window().isVisible());
        QCOMPARE(button()->text(), QStringLiteral("Sleep Now!"));
        QMessageBox* message = shownMessage();
        QVERIFY(message);
        QVERIFY(message->isVisible());
        QVERIFY(!message->isModal());
        QCOMPARE(message->text(), text);
        QCOMPARE(message->informativeText(), QStringLiteral("Access denied"));
    }

    void runFileOpensTheStoredFileAndStays()
    {
        window().show();
        chooseAction(3);
        f->store(SettingKey::RunFile, QStringLiteral("/home/me/wake up.sh"));
        setCountdown(QStringLiteral("0.05"));
        button()->click();
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(f->shell.openedPaths, QStringList{QStringLiteral("/home/me/wake up.sh")});
        QVERIFY(f->session.requests.isEmpty());
        QCOMPARE(f->session.privilegeCalls, 0);
        QVERIFY(window().isVisible());
        QVERIFY(!shownMessage());
        QVERIFY(!timer("Timer3")->isActive()); // a countdown is never re-armed
    }

    void aRunFileThatCannotBeOpenedIsReported()
    {
        window().show();
        chooseAction(3);
        f->store(SettingKey::RunFile, QStringLiteral("/gone.txt"));
        f->shell.outcome = {false, QStringLiteral("The file does not exist.")};
        setCountdown(QStringLiteral("0.05"));
        button()->click();
        QVERIFY(tickUntilIdle(5) > 0);
        QMessageBox* message = shownMessage();
        QVERIFY(message);
        QVERIFY(message->text().contains(QStringLiteral("/gone.txt")));
        QCOMPARE(message->informativeText(), QStringLiteral("The file does not exist."));
        QCOMPARE(button()->text(), QStringLiteral("Sleep Now!"));
    }

    void aDailyRunFileIsArmedAgainForTheNextDay()
    {
        chooseAction(3);
        f->store(SettingKey::RunDaily, QStringLiteral("1"));
        setClockTime(7, 30);
        button()->click();
        QVERIFY(tickUntilIdle(100) > 0);
        QVERIFY(timer("Timer3")->isActive());
        QCOMPARE(timer("Timer3")->interval(), 65530);

        f->clock.advance(65530);
        window().sleepRun().Timer3_Timer();
        QVERIFY(!timer("Timer3")->isActive());
        QCOMPARE(button()->text(), QStringLiteral("Stop"));
        QCOMPARE(window().run().SleepMinutes, 1439.0);
    }

    void theDailyReArmLeavesARunArmedByHandAlone()
    {
        chooseAction(3);
        f->store(SettingKey::RunDaily, QStringLiteral("1"));
        setClockTime(7, 30);
        button()->click();
        QVERIFY(tickUntilIdle(100) > 0);

        f->clock.advance(10000);
        f->control<QComboBox>("cmbHour")->setCurrentIndex(9);
        button()->click(); // the user arms 09:30 by hand
        f->clock.advance(55530);
        window().sleepRun().Timer3_Timer();
        QVERIFY(!timer("Timer3")->isActive());
        QCOMPARE(button()->text(), QStringLiteral("Stop"));
        QCOMPARE(window().run().SleepMinutes, 120.0);
    }

    void startUpArmsADailyClockTime()
    {
        MainWindowFixture other;
        other.store(SettingKey::Schedule, QStringLiteral("1"));
        other.store(SettingKey::RunDaily, QStringLiteral("1"));
        other.store(SettingKey::SHour, QStringLiteral("8"));
        frmSomnivo& started = other.create();
        QCOMPARE(other.control<QPushButton>("cmdRestz")->text(), QStringLiteral("Stop"));
        QCOMPARE(started.run().SleepMinutes, 31.0);

        MainWindowFixture notDaily;
        notDaily.store(SettingKey::Schedule, QStringLiteral("1"));
        notDaily.create();
        QCOMPARE(notDaily.control<QPushButton>("cmdRestz")->text(), QStringLiteral("Sleep Now!"));
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_SleepRun)
#include "tst_sleep_run.moc"
