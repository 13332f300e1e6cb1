#pragma once

#include <QtGlobal>

// What the sleep timer knows while it runs; nothing of it outlives the program. The option
// mirrors are kept up to date by the option handlers, because the end check reads them on every
// tick instead of going back to the settings store.
struct RunState
{
    // Mirrors of stored options.
    int ActionIndex = 0;     // 0 log off, 1 shut down, 2 restart, 3 open the Run File
    int BlackScreenFlag = 0; // 1: black screen during the run
    int DiminFlag = 0;       // 1: fade the volume during the run
    int ScheduleMode = 0;    // 0: countdown, anything else: until a clock time

    // The run.
    double SleepMinutes = 0;
    double SleepSpanMs = 0;
    double StartTick = 0;
    double EndTick = 0;
    int DiminStep = 0;
    int NowHour = 0;
    int NowMinute = 0;
    int AtHour = 0;
    int AtMinute = 0;

    // True while the black screen is up.
    bool BlackScreenShown = false;

    // The progress line at full length, in twips, taken from the layout at start-up.
    int LineFullX2 = 0;
    int LineLength = 0;
};
