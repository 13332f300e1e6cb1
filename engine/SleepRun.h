#pragma once

#include "RunState.h"

#include <QObject>
#include <QTimer>

class Clock;
class SessionControl;
class Shell;
class SleepRunHost;

// The sleep timer: arming and disarming a run through the "Sleep Now!" button, the end check
// with its fade and progress line, the action at the end, and the daily re-arm. The button's
// caption is the only record of whether a run is active.
class SleepRun : public QObject
{
    Q_OBJECT

public:
    static const QString SleepNowCaption;
    static const QString StopCaption;

    SleepRun(SleepRunHost& host, Clock& clock, SessionControl& session, Shell& shell,
             QObject* parent = nullptr);

    RunState state;

    // The button's click: arms a run while the caption is "Sleep Now!", disarms it otherwise.
    void cmdRestz_Click();
    // Every 2 s while a run is active.
    void timCheckEnd_Timer();
    // Every 5 s while a run is active: brings the black screen (back) when the option is on.
    void Timer1_Timer();
    // Once, about 65 s after a daily clock-time Run File end.
    void Timer3_Timer();

    QTimer& timCheckEnd() { return m_timCheckEnd; }
    QTimer& timer1() { return m_timer1; }
    QTimer& timer3() { return m_timer3; }

private:
    // The run's length in minutes for the current inputs; nothing when they cannot be armed.
    std::optional<double> sleepMinutes();
    void arm(double minutes);
    void disarm();
    bool hasEnded(double now);
    void endRun();
    void requestExit();
    void openRunFile();

    SleepRunHost& m_host;
    Clock& m_clock;
    SessionControl& m_session;
    Shell& m_shell;
    QTimer m_timCheckEnd;
    QTimer m_timer1;
    QTimer m_timer3;
};
