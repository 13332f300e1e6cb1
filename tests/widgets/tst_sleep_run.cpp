#include "audio/VolumeSlider.h"
#include "forms/LineControl.h"
#include "support/MainWindowFixture.h"
#include "windows/frmEndingSoon.h"

#include <QScreen>

#include <tuple>

// The sleep run and the master volume in the real window, with time moved by hand and the
// mixer, the session and the shell faked.
class tst_SleepRun : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;
    const QString idle = u"Sleep Now!: timGetVolume"_s;
    const QString armed = u"Stop: timCheckEnd Timer1"_s;

    void fresh() { f.emplace().create(); }
    RunState& run() const { return f->window->run(); }
    VolumeSlider& volume() const { return f->window->volumeSlider(); }
    QPushButton* button() const { return f->control<QPushButton>("cmdRestz"); }
    // The button's caption and the timers that run, as "Stop: timCheckEnd Timer1".
    QString status() const
    {
        QString shown = LayoutChecks::captionOf(button()) + u':';
        for (const char* name : {"timCheckEnd", "Timer1", "timGetVolume", "Timer3"}) {
            if (f->control<QTimer>(name)->isActive())
                shown += u' ' + QLatin1StringView(name);
        }
        return shown;
    }
    // The message up, as "text / details".
    QString message() const
    {
        for (const auto* box : f->window->findChildren<QMessageBox*>()) {
            if (box->isVisible())
                return box->text() + u" / "_s + box->informativeText();
        }
        return QString();
    }
    // The action, chosen as the user does.
    void choose(int action) const
    {
        f->control<QRadioButton>(qPrintable(u"Option2_%1"_s.arg(action)))->setChecked(true);
    }
    void arm(const QString& minutes) const
    {
        f->control<QLineEdit>("txtShutDown")->setText(minutes);
        button()->click();
    }
    void arm(int hour, int minute) const
    {
        f->store(u"Schedule=1"_s);
        f->control<QComboBox>("cmbHour")->setCurrentIndex(hour);
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(minute);
        button()->click();
    }
    // Lets time pass tick by tick, as timCheckEnd would: the tick that ended the run, or -1.
    int tickUntilIdle(int maxTicks)
    {
        for (int ticks = 1; ticks <= maxTicks; ++ticks) {
            f->clock.advance(2000);
            f->window->sleepRun().timCheckEnd_Timer();
            if (LayoutChecks::captionOf(button()) == SleepRun::SleepNowCaption)
                return ticks;
        }
        return -1;
    }

    // The text of the warning that shows, if one does.
    QString warningShown() const
    {
        const auto* warning = f->window->findChild<frmEndingSoon*>();
        return warning && warning->isVisible() ? warning->findChild<QLabel*>()->text() : QString();
    }
    QPushButton* warningButton(const char* name) const
    {
        return LayoutChecks::child<QPushButton>(f->window->findChild<frmEndingSoon*>(), name);
    }

    QScrollBar* slider() const { return f->control<QScrollBar>("Volume"); }
    // Clicks the slider's arrow button at its top end (louder) or at its bottom end.
    void clickArrow(bool top) const
    {
        const QPoint at(slider()->width() / 2, top ? 3 : slider()->height() - 4);
        QTest::mouseClick(slider(), Qt::LeftButton, {}, at);
    }

private slots:
    void init() { fresh(); }

    void armingFadingAndStopping()
    {
        for (const QString& noTime : {QString(), u"abc"_s, u"00"_s, u"-0"_s}) {
            arm(noTime);
            QCOMPARE(status(), idle);
        }
        // Longer than a year: refused, and said so.
        arm(u"9e99"_s);
        QCOMPARE(std::pair(status(), message()),
                 std::pair(idle, u"This countdown is too long: a run can last at most a year "
                                 u"(525,600 minutes). / "_s));
        volume().setValue(20000);
        arm(u"90"_s);
        QCOMPARE(status(), armed);
        // Half way through 90 minutes the line is half as long; the fade took 4 a tick.
        f->clock.advance(2'698'000);
        QCOMPARE(tickUntilIdle(1), -1);
        const auto* line = f->control<LineControl>("Line1");
        QCOMPARE(std::pair(line->x2(), volume().value()), std::pair(2227.5, 19996));
        button()->click();
        // Stopping puts the line back at full length and does not undo the fade.
        QCOMPARE(std::tuple(status(), line->x2(), volume().value()),
                 std::tuple(idle, 4290.0, 19996));
        QVERIFY(f->session.requests.isEmpty());
    }

    // The action stored when the run ends is the one carried out; a refused request leaves the
    // program idle with a message that says why, and the next run tries again.
    void theStoredActionIsCarriedOutOrARefusalTold()
    {
        f->session.refusal = u"Access denied\nTraceback (most recent call last):"_s;
        arm(u"0.05"_s);
        f->store(u"ShutDown=2"_s);
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(message(), u"The computer could not be restarted. / Access denied"_s);
        QVERIFY(!f->window->findChild<QMessageBox*>()->isModal() && !f->window->isClosed());
        f->session.refusal.clear();
        arm(u"1"_s);
        // 60 s: the 30th tick finds the end exactly, not past it; the 31st ends the run.
        QCOMPARE(tickUntilIdle(100), 31);
        QCOMPARE(f->session.requests, QList<quint32>({6, 6}));
        QCOMPARE(std::pair(f->session.privilegeCalls, f->players.pauses), std::pair(2, 2));
        QVERIFY(f->window->isClosed());
    }

    // Doubts told at arming go with the run they are about, whether it is stopped or ends.
    void aDoubtToldAtArmingGoesWithTheRun()
    {
        for (const auto& [action, stopped] : {std::pair(1, true), std::pair(4, false)}) {
            fresh();
            f->session.outlook = {u"challenge"_s, {}};
            choose(action);
            arm(u"0.05"_s);
            QCOMPARE(message(), u"The computer may not %1 at the end of this run: it asks for a "
                                u"password, which nobody may be there to give. / "_s.arg(
                                    action == 1 ? u"shut down"_s : u"suspend"_s));
            stopped ? button()->click() : void(tickUntilIdle(5));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(message(), QString());
        }
    }

    // The ends the program stays after: each warns in its own words, pauses the players (Pause
    // Only, and Screen Off where the desktop cannot do it, even when told not to), gives the
    // volume back, carries its end out or says why not, and a daily clock time comes back.
    void theEndsTheProgramStaysAfter_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("trouble"); // refused, no locker, no way
        QTest::addColumn<QString>("warned");
        QTest::addColumn<QString>("done"); // what was carried out, whether players were paused
        QTest::addColumn<QString>("told"); // the message at arming | at the end
        const auto row = [](const char* name, int action, const char* trouble, const char* warned,
                            const char* done, const char* told) {
            QTest::newRow(name) << action << QString::fromLatin1(trouble)
                                << QString::fromLatin1(warned) << QString::fromLatin1(done)
                                << QString::fromLatin1(told);
        };
        row("suspend", 4, "", "The computer will suspend in 0:10.", "sleep 2", " | ");
        row("hibernate", 5, "", "The computer will hibernate in 0:10.", "sleep 3", " | ");
        row("suspend refused", 4, "refused", "The computer will suspend in 0:10.", "sleep 2",
            " | The computer could not be suspended. / Not now");
        row("lock", 6, "", "The screen will lock in 0:10.", "lock", " | ");
        row("lock without a locker", 6, "no locker", "The screen will lock in 0:10.", "lock",
            " | The screen could not be locked. / No screen locker answered.");
        row("screen off", 7, "", "The screens will turn off in 0:10.", "screens off", " | ");
        row("screen off, no way", 7, "no way",
            "This desktop offers no way to turn the screens off. Playback will pause in 0:10.",
            "paused",
            "This desktop offers no way to turn the screens off: the run will only pause the "
            "players. /  | ");
        row("pause only", 8, "", "Playback will pause in 0:10.", "paused", " | ");
    }
    void theEndsTheProgramStaysAfter()
    {
        QFETCH(int, action);
        QFETCH(QString, trouble);
        QFETCH(QString, warned);
        QFETCH(QString, done);
        QFETCH(QString, told);
        f.emplace().mixer.value = 40001;
        f->session.refusal = trouble == u"refused" ? u"Not now"_s : QString();
        f->screens.locked = trouble != u"no locker";
        f->screens.hasWay = trouble != u"no way";
        f->create();
        f->store(u"PausePlayers=0 RunDaily=1 BlackScreen=0"_s);
        choose(action);
        arm(7, 30); // ten seconds on
        QCOMPARE(warningShown(), warned);
        const QString atArming = message();
        QCOMPARE(tickUntilIdle(10), 6);
        QStringList carried = f->session.calls;
        if (f->screens.locks)
            carried << u"lock"_s;
        if (f->screens.turnedOff)
            carried << u"screens off"_s;
        if (f->players.pauses)
            carried << u"paused"_s;
        QCOMPARE(carried.join(u' '), done);
        QCOMPARE(std::tuple(atArming + u" | "_s + message(), f->mixer.restores.size(),
                            f->window->isClosed(), status()),
                 std::tuple(told, qsizetype(1), false, idle + u" Timer3"_s));
    }

    // A minute before the end the warning comes and counts down, the notification every ten
    // seconds; "+10 min" moves the end on. Meanwhile the notification area's tip tells what will
    // happen and when.
    void theWarningComesAMinuteBeforeTheEndAndCanGiveMoreTime()
    {
        const QString caption = u"Somnivo - Auto Shutdown Timer"_s;
        arm(u"2"_s); // at 07:29:50
        QCOMPARE(f->window->trayIcon().TrayTip(), caption + u"\nShut down at 07:31 (in 2 min)"_s);
        QCOMPARE(tickUntilIdle(29), -1);
        QCOMPARE(warningShown(), QString());
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(warningShown(), u"The computer will shut down in 1:00."_s);
        f->clock.advance(1000);
        QCOMPARE(f->window->sleepRun().warningText(), u"The computer will shut down in 0:59."_s);
        QTest::mouseClick(warningButton("cmdMore"), Qt::LeftButton);
        QCOMPARE(warningShown(), QString());
        QCOMPARE(f->window->trayIcon().TrayTip(), caption + u"\nShut down at 07:41 (in 11 min)"_s);
        // 59 s and ten minutes on: the warning comes again, then the end.
        QCOMPARE(tickUntilIdle(400), 330);
        QCOMPARE(f->session.requests, QList<quint32>{13});
        QStringList told{u"show The computer will shut down in 1:00."_s, u"withdraw"_s};
        for (const char* left : {"0:59", "0:49", "0:39", "0:29", "0:19", "0:09"})
            told << u"show The computer will shut down in %1."_s.arg(QLatin1StringView(left));
        QCOMPARE(f->notifier.calls, told << u"withdraw"_s);
        QCOMPARE(f->window->trayIcon().TrayTip(), caption);
    }

    // A screen reader hears the line's time left when its minute changes (the line tells it
    // only then), not at every tick.
    void theProgressLineTellsTheTimeLeftOnceAMinute()
    {
        const auto* line = f->control<LineControl>("Line1");
        QStringList told;
        const auto listen = [&] {
            if (told.isEmpty() || told.constLast() != line->accessibleDescription())
                told << line->accessibleDescription();
        };
        arm(u"2"_s);
        listen();
        QCOMPARE(line->percentLeft(), 100);
        for (int tick = 1;
             tick <= 61 && LayoutChecks::captionOf(button()) != SleepRun::SleepNowCaption; ++tick) {
            f->clock.advance(2000);
            f->window->sleepRun().timCheckEnd_Timer();
            listen();
            if (tick == 30)
                QCOMPARE(line->percentLeft(), 50);
        }
        QCOMPARE(told, QStringList({u"2 minutes left"_s, u"1 minute left"_s, QString()}));
        QCOMPARE(line->percentLeft(), 100);
    }

    // A run shorter than the warning gets it at once; every way of cancelling it disarms the run
    // without its action. With "WarnSeconds" 0 there is none.
    void cancellingTheWarningDisarmsWithoutTheAction()
    {
        for (int way = 0; way < 5; ++way) {
            fresh();
            f->store(way == 4 ? u"WarnSeconds=0"_s : u"WarnSeconds=60"_s);
            arm(u"0.5"_s);
            auto* warning = f->window->findChild<frmEndingSoon*>();
            QCOMPARE(bool(warning), way != 4);
            if (way == 0)
                QTest::mouseClick(warningButton("cmdCancel"), Qt::LeftButton);
            else if (way < 3)
                QTest::keyClick(warning, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
            else if (way == 3)
                warning->close();
            QCOMPARE(status(), way == 4 ? armed : idle);
            QVERIFY(f->session.requests.isEmpty());
            // The next run warns again, once what was closed has been cleared away.
            arm(u"0.5"_s);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(warningShown().isEmpty(), way == 4);
        }
    }

    // An end reached or neared by a jump, not by time running out, does not act before the
    // warning has stood a minute: a machine that slept past the end (twice) or into the warning
    // (60 minutes, the lid closed at 30:00 and opened at 59:55), a clock put forward past it, a
    // daily run armed at logon in its own minute. A time the user moves afterwards holds.
    void anEndReachedByAJumpGivesTheWarningFirstEveryTime()
    {
        const QString warned = u"The computer will shut down in 1:00."_s;
        using Sleeps = QList<int>;
        for (const auto& [minutes, sleeps] : {std::pair(u"1"_s, Sleeps{300'000, 300'000}),
                                              std::pair(u"60"_s, Sleeps{1'800'000, 1'793'000})}) {
            fresh();
            arm(minutes);
            QCOMPARE(tickUntilIdle(1), -1);
            for (const int sleep : sleeps) {
                f->clock.advance(sleep);
                QCOMPARE(tickUntilIdle(1), -1);
            }
            QCOMPARE(warningShown(), warned);
            QCOMPARE(tickUntilIdle(40), 31);
            QCOMPARE(f->session.requests, QList<quint32>{13});
        }

        fresh();
        arm(7, 40);
        f->clock.setLocalNow(f->clock.localNow().addSecs(15 * 60));
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(warningShown(), warned);
        QVERIFY(f->session.requests.isEmpty());
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(50); // five minutes on
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(warningShown(), QString());
        QCOMPARE(tickUntilIdle(200), 154);

        f.emplace().store(u"Schedule=1 RunDaily=1 SHour=7 SMinute=29"_s); // it is 07:29:50
        f->create();
        QCOMPARE(std::pair(LayoutChecks::captionOf(button()), warningShown()),
                 std::pair(SleepRun::StopCaption, warned));
        QCOMPARE(tickUntilIdle(40), 31);
    }

    // A clock time is an instant: the tip, the warning and the end count to it across a clock
    // that springs forward; its hour and minute are read at every tick; a new time zone moves
    // the instant, not the clock time.
    void aClockTimeRunCountsToItsInstant()
    {
        const QTimeZone berlin("Europe/Berlin");
        f->clock.setLocalNow(QDateTime(QDate(2027, 3, 28), QTime(1, 59, 20), berlin));
        arm(3, 0);
        QCOMPARE(std::pair(f->window->trayIcon().TrayTip().section(u'\n', 1), warningShown()),
                 std::pair(u"Shut down at 03:00 (in 1 min)"_s,
                           u"The computer will shut down in 0:40."_s));
        QCOMPARE(tickUntilIdle(100), 21);
        QCOMPARE(f->clock.localNow().time(), QTime(3, 0, 2));

        // Armed at 07:29:50 for 07:45, changed to 07:30: the first tick past 07:30 ends it.
        // Changed to 09:00 instead: the fade spreads what is left over the new time left.
        fresh();
        arm(7, 45);
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(30);
        QCOMPARE(tickUntilIdle(100), 6);
        fresh();
        arm(7, 45);
        QCOMPARE(run().DiminStep, 18);
        f->control<QComboBox>("cmbHour")->setCurrentIndex(9);
        f->control<QComboBox>("cmbMinute")->setCurrentIndex(0);
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(run().DiminStep, 3);
        fresh();
        arm(7, 45);
        f->clock.setLocalNow(f->clock.localNow().toTimeZone(QTimeZone("Europe/London")));
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(f->window->trayIcon().TrayTip().section(u'\n', 1),
                 u"Shut down at 07:45 (in 76 min)"_s);
        // Armed within the minute it ends in: the first tick ends it.
        fresh();
        f->clock.setLocalNow(QDateTime(QDate(2026, 12, 6), QTime(10, 0, 45), berlin));
        arm(10, 0);
        QCOMPARE(std::pair(run().SleepMinutes, tickUntilIdle(1)), std::pair(0.0, 1));
    }

    // The fade stops at the bottom; the end gives every channel back exactly as read before
    // the run, even when the poll has read the faded volume while the players were asked.
    void theFadeStopsAtTheBottomAndTheEndGivesTheVolumeBack()
    {
        f.emplace().mixer.value = 40001;
        f->create();
        volume().setValue(20000);
        arm(u"0.1"_s); // 6 s: a step of 3333 every 2 s
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(volume().value(), 16667);
        run().DiminStep = 30000; // as if the user had turned it down meanwhile
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(volume().value(), volume().bottom());
        f->players.answerLater = true;
        QCOMPARE(tickUntilIdle(5), 2);
        volume().timGetVolume_Timer();
        f->players.pending();
        QCOMPARE(std::pair(volume().value(), f->mixer.restores),
                 std::pair(20000, QList<QList<qint64>>{{20000, 40001}}));
    }

    // The fade repaints the volume bar only around its handle: what the screen shows after each
    // step is what a whole repaint draws.
    void theFadeLeavesTheVolumeBarAsAWholeRepaintDrawsIt()
    {
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        const auto screen = [this] {
            QCoreApplication::processEvents();
            return f->window->screen()->grabWindow(f->window->winId()).toImage();
        };
        volume().setValue(30000);
        arm(u"1"_s); // a step of 1000 every 2 s
        for (int step = 0; step < 4; ++step) {
            QCOMPARE(tickUntilIdle(1), -1);
            const QImage shown = screen();
            slider()->repaint();
            QCOMPARE(shown, screen());
        }
    }

    // The Run File is opened and the program stays, idle; a file that cannot be opened is
    // reported.
    void runFileOpensTheStoredFileOrSaysWhyNot()
    {
        f->store(u"ShutDown=3 PausePlayers=0"_s);
        f->settings.WriteSetting(SettingKey::RunFile, u"/home/me/wake up.sh"_s);
        arm(u"0.05"_s);
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(f->shell.openedPaths, QStringList{u"/home/me/wake up.sh"_s});
        QVERIFY(f->session.requests.isEmpty() && f->session.privilegeCalls == 0);
        QCOMPARE(std::tuple(status(), message(), f->players.pauses),
                 std::tuple(idle, QString(), 0));
        f->shell.outcome = {false, u"The file does not exist."_s};
        arm(u"0.05"_s);
        QVERIFY(tickUntilIdle(5) > 0);
        QCOMPARE(message(),
                 u"Run File could not open \"/home/me/wake up.sh\". / The file does not exist."_s);
    }

    // A daily clock time comes back once a day, about a minute after its end, for the day after
    // it: after a machine that slept through the re-arm and woke in the target's minute (the
    // warning stands first), on the night the clocks go back, after a clock set back. A run
    // armed by hand meanwhile stays as it is.
    void aDailyRunComesBackOnceADay()
    {
        const QTimeZone berlin("Europe/Berlin");
        const QDateTime december(QDate(2026, 12, 6), QTime(7, 29, 50), berlin);
        const auto fallBack =
            QDateTime(QDate(2027, 10, 31), QTime(0, 29, 50), Qt::UTC).toTimeZone(berlin);
        constexpr qint64 ByHand = -1;
        for (const auto& [start, action, sleptMs, movedS, armedAgain] :
             {std::tuple(december, 3, 0LL, 0LL, u"Open The Run File at 07:30 (in 1439 min)"_s),
              std::tuple(december, 4, 86'388'000LL, 0LL, u"The computer will suspend in 1:00."_s),
              std::tuple(fallBack, 8, 0LL, 0LL, u"Pause playback at 02:30 (in 1499 min)"_s),
              std::tuple(december, 6, 0LL, -300LL, u"Lock the screen at 07:30 (in 1444 min)"_s),
              std::tuple(december, 8, ByHand, 0LL, u"Pause playback at 09:30 (in 120 min)"_s)}) {
            fresh();
            f->clock.setLocalNow(start);
            f->store(u"RunDaily=1 BlackScreen=0"_s);
            choose(action);
            arm(start.time().hour(), 30);
            QVERIFY(tickUntilIdle(10) > 0);
            if (sleptMs == ByHand)
                arm(9, 30);
            f->clock.advance(std::max(0LL, sleptMs) + 65'530);
            f->clock.setLocalNow(f->clock.localNow().addSecs(movedS));
            f->window->sleepRun().Timer3_Timer();
            const bool warned = !warningShown().isEmpty();
            QCOMPARE(std::pair(status(), warned
                                             ? warningShown()
                                             : f->window->trayIcon().TrayTip().section(u'\n', 1)),
                     std::pair(armed, armedAgain));
            QCOMPARE(tickUntilIdle(40), warned ? 31 : -1);
        }
    }

    QString tip() const { return f->window->trayIcon().TrayTip().section(u'\n', 1); }

    // After so many minutes without input: the fade follows the idle time, the warning comes a
    // lead before the end; input withdraws it and gives the volume back, and the count starts
    // again, as it does after the machine slept.
    void aRunWithoutInputStartsAgainAtEveryInput()
    {
        f.emplace().mixer.value = 40000;
        f->create();
        f->store(u"Schedule=2"_s);
        f->control<QLineEdit>("txtIdle")->setText(u"2"_s);
        button()->click();
        emit f->idle.idle(0);
        QCOMPARE(tickUntilIdle(30), -1);
        QCOMPARE(std::tuple(warningShown(), tip(), volume().value() < 20000),
                 std::tuple(u"The computer will shut down in 1:00."_s,
                            u"Shut down after 2 min without input (idle for 1 min)"_s, true));
        emit f->idle.active();
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(std::tuple(warningShown(), volume().value(), f->mixer.restores.size()),
                 std::tuple(QString(), 20000, qsizetype(1)));
        emit f->idle.idle(1000);
        f->clock.advance(600'000); // asleep, not idle
        QCOMPARE(tickUntilIdle(1), -1);
        QCOMPARE(tickUntilIdle(70), 60);
        QCOMPARE(f->session.requests, QList<quint32>{13});
    }

    // The end of the media, or of a program, comes unforeseen: none to wait for, and the run is
    // not armed; the tip says what it waits for; when the moment comes the players pause at
    // once and the warning stands its full time before the action. An estimate of the media's
    // time left brings the warning before it instead, and the fade over it.
    void aMomentNobodyForeseesGetsTheWarningAfterIt_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("estimateMs"); // -1: none
        QTest::addColumn<QString>("waiting");   // the tip, or the refusal
        QTest::addColumn<int>("endTick");       // after the moment
        QTest::newRow("no media") << 3 << -1LL << u"No media is playing. / "_s << 0;
        QTest::newRow("media, no length")
            << 3 << -1LL << u"Shut down when the media ends (how long it lasts is unknown)"_s << 32;
        QTest::newRow("media, 50 s left") // warned at once: long enough by its end
            << 3 << 50'000LL << u"Shut down when the media ends (in about 1 min)"_s << 2;
        QTest::newRow("no program") << 4 << -1LL << u"'rsync' is not running. / "_s << 0;
        QTest::newRow("program") << 4 << -1LL << u"Shut down when 'rsync' exits"_s << 32;
    }
    void aMomentNobodyForeseesGetsTheWarningAfterIt()
    {
        QFETCH(int, kind);
        QFETCH(qint64, estimateMs);
        QFETCH(QString, waiting);
        QFETCH(int, endTick);
        f.emplace().store(u"Schedule=%1 WatchProgram=rsync"_s.arg(kind));
        f->media.playing = endTick > 0;
        if (estimateMs >= 0)
            f->media.now.remainingMs = estimateMs;
        if (endTick > 0)
            f->programs.running = {{u"rsync"_s, {}, 42}};
        f->create();
        button()->click();
        QCOMPARE(endTick > 0 ? tip() : message(), waiting);
        QCOMPARE(status(), endTick > 0 ? armed : idle);
        if (endTick == 0)
            return;
        QCOMPARE(tickUntilIdle(40), -1);
        QCOMPARE(warningShown().isEmpty(), estimateMs < 0);
        f->media.now = {true, false, std::nullopt};
        f->programs.exited = true;
        QCOMPARE(tickUntilIdle(40), endTick);
        QCOMPARE(std::pair(f->players.pauses, f->session.requests),
                 std::pair(2, QList<quint32>{13}));
    }

    // Start-up and the poll show what they read and never write it: a level finer than the
    // slider and the balance stay as they are.
    void readingTheVolumeNeverWritesIt()
    {
        f.emplace().mixer.value = 65535;
        f->create();
        QCOMPARE(std::tuple(volume().value(), volume().top(), volume().bottom()),
                 std::tuple(32700, 32767, 0));
        for (const auto& [outside, shown] : {std::pair(65535u, 32767), std::pair(30001u, 15000)}) {
            f->mixer.value = outside;
            volume().timGetVolume_Timer();
            QCOMPARE(volume().value(), shown);
        }
        QCOMPARE(f->mixer.writes, QList<quint32>());
    }

    void theArrowsAndKeysStepByAThousandAndThePollPausesWithTheFocus()
    {
        f->window->show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        auto* poll = f->control<QTimer>("timGetVolume");
        volume().setValue(20000);
        f->mixer.writes.clear();
        clickArrow(true);
        QCOMPARE(f->mixer.writes, QList<quint32>{42000});
        clickArrow(false);
        QTest::keyClick(f->focus("Volume"), Qt::Key_Up);
        QCOMPARE(std::pair(volume().value(), poll->isActive()), std::pair(21000, false));
        QTest::keyClick(slider(), Qt::Key_PageDown);
        QCOMPARE(volume().value(), 20000);
        f->focus("txtShutDown");
        QVERIFY(poll->isActive());
        volume().setValue(32767); // at the top there is nothing to write
        f->mixer.writes.clear();
        clickArrow(true);
        QCOMPARE(std::pair(volume().value(), f->mixer.writes.size()),
                 std::pair(32767, qsizetype(0)));
    }

    void withoutAVolumeControlTheSliderWritesNothingUntilOneComes()
    {
        f.emplace().mixer.hasControl = false;
        f->create();
        volume().setValue(1234);
        QVERIFY(f->mixer.writes.isEmpty() && slider()->isEnabled());
        f->mixer.hasControl = true;
        f->mixer.value = 30000;
        volume().timGetVolume_Timer();
        QCOMPARE(std::pair(volume().value(), volume().top()), std::pair(15000, 32767));
    }

    void withoutAMixerStartUpSaysSoAndRestoresTheRest()
    {
        f.emplace().mixer.opens = false;
        f->store(u"SetTime=42 PosX=1500 PosY=3000"_s);
        f->closeNextModal();
        f->create();
        QCOMPARE(f->closedModals,
                 QStringList{u"Volume Control: Could not open the mixer. (Critical)"_s});
        QVERIFY(!slider()->isEnabled());
        QCOMPARE(std::tuple(f->control<QLineEdit>("txtShutDown")->text(), f->window->pos(),
                            f->window->run().LineFullX2),
                 std::tuple(u"42"_s, QPoint(100, 200), 4290));
    }
};

QTEST_MAIN(tst_SleepRun)
#include "tst_sleep_run.moc"
