#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class IdleSource;
class MediaWatch;
class ProcessWatch;
class SleepRunHost;
struct RunState;

// What a run waits for: a countdown running out, a clock time, the end of the media playing
// now, time without input, a program's exit. The run asks it at every tick; the warning, the
// guard against jumps, the fade, the restore and the end stay the run's own.
class RunTrigger
{
public:
    struct Services
    {
        SleepRunHost& host;
        Clock& clock;
        RunState& state;
        IdleSource& idle;
        MediaWatch& media;
        ProcessWatch& programs;
    };
    // A daily clock time armed again after its end comes on no day before this one.
    struct Arming
    {
        QDate notBefore;
    };
    // What a tick found beyond time running on.
    enum class Change
    {
        None,
        EndMoved,    // the end came nearer or went further: the fade follows
        StartedAgain // the user came back: the warning goes, the volume comes back
    };
    // What arming found: what stands in the way of the run (the user is told; it ends
    // unarmed), or what the user should know about it.
    struct Start
    {
        QString refusal;
        QString note;
    };

    // The trigger for a stored schedule kind: 0 a countdown, 2 time without input, 3 the end of
    // the media, 4 a program's exit; any other a clock time.
    static std::unique_ptr<RunTrigger> forKind(int kind, const Services& services,
                                               const Arming& arming);

    virtual ~RunTrigger() = default;

    // The run's length in minutes for the inputs now, 0 where it is not known; nothing when they
    // cannot be armed, with what to tell the user (if anything) in refusal.
    virtual std::optional<double> minutes(QString* refusal) = 0;
    // The run is armed: from now on the trigger watches, until stop(). ready hears what arming
    // found, at once or once a service has answered, and never after stop().
    virtual void start(std::function<void(const Start&)> ready) { ready({}); }
    virtual void stop() {}

    // At every tick, first: what changed.
    virtual Change follow(double now);
    // After the machine slept or the clock jumped.
    virtual Change woke(double now);

    // The time left at now, where it is known.
    virtual std::optional<qint64> remainingMs(double now) const = 0;
    // Whether the moment has come.
    virtual bool reached(double now) const = 0;
    // Whether the moment is seen coming; one that is not gets the warning's time after it, and
    // the players pause the moment it comes.
    virtual bool foreseen() const { return true; }
    // Whether the fade takes its step at this tick.
    virtual bool fading() const { return true; }
    // How far the run has come, for the line: 0 at its start, 1 at its end; nothing keeps the
    // line full.
    virtual std::optional<double> fractionDone(double now) const = 0;
    // What the run waits for, for the tip or in whole words for a screen reader: doing is the
    // action's own words ("Shut down"); the time left is the run's, where known.
    virtual QString plan(const QString& doing, std::optional<qint64> remainingMs,
                         bool spoken) const = 0;
    // "+10 min" from the warning.
    virtual void extend(qint64 ms) = 0;
    // After a moment not seen coming: how long the user asked the action to wait beyond it.
    virtual qint64 afterwardsMs() const { return 0; }
    // Whether "Daily" brings the run back the next day after an end the program stays after.
    virtual bool repeatsDaily() const { return false; }
};
