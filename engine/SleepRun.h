#pragma once

#include "RunArithmetic.h"
#include "RunState.h"
#include "platform/Mixer.h"
#include "platform/SessionControl.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class Clock;
class IdleSource;
class MediaPlayers;
class MediaWatch;
class ProcessWatch;
class RunTrigger;
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
        IdleSource& idle;
        MediaWatch& media;
        ProcessWatch& programs;
    };

    SleepRun(SleepRunHost& host, Services services, QObject* parent = nullptr);
    ~SleepRun() override;

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
    void arm(double minutes);
    void disarm();
    bool hasEnded(double now) const;
    // Milliseconds until the end, as the end check will see it; nothing when it is not known.
    std::optional<qint64> remainingMs(double now) const;
    // An end that comes sooner than the warning's time without the user asking for it (after a
    // jump, at logon, at a daily re-arm) is put off until the warning has stood for that time.
    void holdBack(double now);
    // The moment a run waits for came unforeseen: the players pause, the warning gets its time.
    void meetUnforeseen(double now);
    // The user came back during a run that waits for time without input.
    void startAgain(double now);
    // The end came nearer or went further: the fade and the warning follow it.
    void endMoved(double now);
    // Shows the warning when its time has come, and keeps the tip's plan current.
    void follow(double now);
    // What the user is told at arming of why the run may not go as planned, all at once.
    void addDoubt(const QString& text);
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
    IdleSource& m_idle;
    MediaWatch& m_media;
    ProcessWatch& m_programs;
    QTimer m_timCheckEnd;
    QTimer m_timer1;
    QTimer m_timer3;
    std::unique_ptr<RunTrigger> m_trigger; // what the run that is armed, or was last, waits for

    // Around the end, for the run that is armed.
    qint64 m_warningLeadMs = 0;
    bool m_warned = false;
    double m_warnedAt = 0;
    qint64 m_warningToldMs = 0; // the time left that the notification last told
    double m_lastTick = 0;
    qint64 m_lastRemainingMs = 0;
    // After the end was jumped to (a machine that slept, a clock put forward), comes too soon
    // after start-up, or came without being seen coming: when the action comes instead.
    std::optional<double> m_deadline;
    QDate m_lastEnd; // the day the last run ended, in the clock's time
    // Who presses the button: the user (or the command line), start-up, or the daily re-arm.
    enum class Arming
    {
        ByHand,
        AtStartUp,
        Again
    } m_arming = Arming::ByHand;
    bool m_noScreenPower = false; // found at arming: this desktop cannot turn the screens off
    QStringList m_doubts;
    QString m_plan;
};
