#pragma once

#include "RunArithmetic.h"
#include "RunState.h"
#include "platform/Mixer.h"
#include "platform/SessionControl.h"

#include <QObject>
#include <QTimer>

#include <optional>

class Clock;
class MediaPlayers;
class ScreenLocker;
class ScreenPower;
class Shell;
class SleepRunHost;

// The sleep timer: arming and disarming a run through the "Sleep Now!" button, the end check
// with its fade and progress line, the action at the end, and the daily re-arm. The button's
// caption is the only record of whether a run is active. Around the end: a warning with a way
// out, a guard against acting the moment a suspended machine wakes, a check of whether the
// action will be allowed, and media players paused before it.
class SleepRun : public QObject
{
    Q_OBJECT

public:
    static const QString SleepNowCaption;
    static const QString StopCaption;

    // The services that carry the ends of a run out.
    struct Services
    {
        Clock& clock;
        SessionControl& session;
        Shell& shell;
        MediaPlayers& players;
        ScreenLocker& locker;
        ScreenPower& screens;
    };

    SleepRun(SleepRunHost& host, Services services, QObject* parent = nullptr);

    RunState state;

    // The button's click: arms a run while the caption is "Sleep Now!", disarms it otherwise.
    void cmdRestz_Click();
    // The click of start-up, for a daily clock time: a run that would end within the warning's
    // time (at logon, say, in the minute the last session ended) gets that time first.
    void armAtStartUp();
    // Every 2 s while a run is active.
    void timCheckEnd_Timer();
    // Every 5 s while a run is active: brings the black screen (back) when the option is on.
    void Timer1_Timer();
    // Once, about 65 s after a daily clock-time end the program stays after: the next day's.
    void Timer3_Timer();

    // The warning's text at this moment: what will happen, and in how long.
    QString warningText() const;
    // From the warning: the run ends now without its action, or ten minutes later.
    void cancel();
    void extend();

    QTimer& timCheckEnd() { return m_timCheckEnd; }
    QTimer& timer1() { return m_timer1; }
    QTimer& timer3() { return m_timer3; }

private:
    // The run's length in minutes for the current inputs; nothing when they cannot be armed.
    std::optional<double> sleepMinutes();
    void arm(double minutes);
    void disarm();
    bool hasEnded(double now) const;
    // Milliseconds until the end, as the end check will see it; nothing when it never comes.
    std::optional<qint64> remainingMs(double now) const;
    // The same until the end the run was armed for (and moved by "+10 min"), however it was
    // put off after a jump.
    std::optional<qint64> scheduledRemainingMs(double now) const;
    // The hour and minute texts as numbers; nothing when they do not fit.
    std::optional<std::pair<qint32, qint32>> target() const;
    // A clock-time run's end follows its hour and minute as they are changed, and its fade with
    // it; true when it moved.
    bool followTarget(double now);
    // An end that comes sooner than the warning's time without the user asking for it (after a
    // jump, at logon, at a daily re-arm) is put off until the warning has stood for that time.
    void holdBack(double now);
    // Shows the warning when its time has come, and keeps the tip's plan current.
    void follow(double now);
    void checkAction();
    void endRun();
    void act(const Mixer::Reading& volume);
    void requestExit();
    void openRunFile();
    // What hears how an end that the program stays after went: a refusal is told.
    SessionControl::Completion tellRefusal();

    SleepRunHost& m_host;
    Clock& m_clock;
    SessionControl& m_session;
    Shell& m_shell;
    MediaPlayers& m_players;
    ScreenLocker& m_locker;
    ScreenPower& m_screens;
    QTimer m_timCheckEnd;
    QTimer m_timer1;
    QTimer m_timer3;

    // Around the end, for the run that is armed.
    qint64 m_warningLeadMs = 0;
    bool m_warned = false;
    qint64 m_warningToldMs = 0; // the time left that the notification last told
    double m_lastTick = 0;
    qint64 m_lastRemainingMs = 0;
    // After the end was jumped to (a machine that slept, a clock put forward) or comes too soon
    // after start-up: when the action comes instead.
    std::optional<double> m_deadline;
    std::optional<RunArithmetic::ClockTimeEnd> m_clockEnd; // nothing: the clock never shows it
    qint64 m_extensionMs = 0; // a clock-time run's end, moved on by "+10 min"
    bool m_daily = false;     // a daily clock time: it ends once a day
    QDate m_notBefore;        // a daily run armed again ends on no earlier day than this
    QDate m_lastEnd;          // the day the last run ended, in the clock's time
    // Who presses the button: the user (or the command line), start-up, or the daily re-arm.
    enum class Arming
    {
        ByHand,
        AtStartUp,
        Again
    } m_arming = Arming::ByHand;
    bool m_noScreenPower = false; // found at arming: this desktop cannot turn the screens off
    QString m_plan;
};
