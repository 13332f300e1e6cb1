#pragma once

#include "platform/Mixer.h"

#include <QtGlobal>

// The description of the master volume control, as found by the last successful lookup.
struct MixerControlRecord
{
    quint32 cbStruct = 0; // set once a line was found: the lookup got as far as the controls
    quint32 dwControlID = 0;
    qint32 lMinimum = 0;
    qint32 lMaximum = 0;
};

// The master volume of the speakers line: looking up its control, reading and writing its value
// on the 0..65535 scale. Lines and controls are looked up afresh on every read.
class MixerVolume
{
public:
    explicit MixerVolume(Mixer& mixer);

    // The one attempt to open the mixer, at start-up.
    bool open();

    // Finds the control of controlType on the line of componentType and describes it in
    // control. True once the control is found; its value then goes to CurrentVolume when it
    // can be read, and CurrentVolume keeps its last value when it cannot.
    bool GetVolumeControl(quint32 componentType, quint32 controlType, MixerControlRecord& control);
    // True when the mixer accepted the value.
    bool SetVolumeControl(const MixerControlRecord& control, quint32 value);
    // Every channel back to levels read before; true once the mixer has taken them, waiting at
    // most waitMs for that.
    bool RestoreLevels(const MixerControlRecord& control, const Mixer::Levels& levels, int waitMs);

    // The last volume read from the mixer; 0 until the first successful read.
    int CurrentVolume = 0;
    // Every channel's level at that read, in the mixer's own units.
    Mixer::Levels CurrentLevels;

private:
    Mixer& m_mixer;
};
