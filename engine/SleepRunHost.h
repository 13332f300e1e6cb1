#pragma once

#include "platform/Mixer.h"

#include <QLatin1StringView>
#include <QString>

#include <optional>

// What the sleep run needs from the window that shows it: the controls it reads and moves, the
// stored options, and the windows it opens and closes.
class SleepRunHost
{
public:
    virtual ~SleepRunHost() = default;

    virtual QString readSetting(QLatin1StringView key, const QString& defaultValue) const = 0;

    virtual QString restzCaption() const = 0;
    virtual void setRestzCaption(const QString& caption) = 0;
    virtual QString countdownText() const = 0;
    virtual QString hourText() const = 0;
    virtual QString minuteText() const = 0;
    // The minutes without input a run waits for, as typed; the program whose exit it waits for.
    virtual QString idleText() const = 0;
    virtual QString programText() const = 0;

    // The volume slider, in slider units; setting it writes the volume.
    virtual int volumeValue() const = 0;
    virtual void setVolumeValue(int value) = 0;
    virtual int volumeBottom() const = 0;
    // The volume last read from the mixer (the one from before the run: the poll is off while
    // it lasts), every channel's level with it.
    virtual Mixer::Reading currentVolume() const = 0;
    // Gives the mixer back exactly that volume, before anything else happens.
    virtual void restoreVolume(const Mixer::Reading& volume) = 0;
    virtual void setVolumePollEnabled(bool enabled) = 0;

    // The right end of the progress line, in twips.
    virtual void setProgressX2(double twips) = 0;
    // The time left of the run that is going, said for those who do not see the line; nothing
    // when no run is going.
    virtual void setTimeLeft(std::optional<qint64> remainingMs) = 0;

    // Shows the black screen and returns once it has closed.
    virtual void showBlackScreen() = 0;
    virtual void closeBlackScreen() = 0;

    // The warning before the end: shown above everything (the black screen goes), with the
    // text of SleepRun::warningText(), kept current, and a way to cancel or get more time.
    virtual void showWarning() = 0;
    // The warning's time has moved on: the desktop's notification says so too (the window counts
    // by itself).
    virtual void refreshWarning() = 0;
    virtual void closeWarning() = 0;
    // What the run will do and when, for the notification area's tip; empty when idle.
    // The same in whole words, for those who do not see the tip, or what happened ("Stopped").
    virtual void setPlan(const QString& plan, const QString& spoken) = 0;

    // A message that stays until the user closes it and does not stop anything meanwhile.
    virtual void reportFailure(const QString& text, const QString& details) = 0;
    // The same, of why the run that is armed may not end as planned; it goes when that run ends
    // or is stopped (an empty text takes it away).
    virtual void setDoubt(const QString& text) = 0;
    // Closes every window of the program and ends it.
    virtual void unloadAndEnd() = 0;
};
