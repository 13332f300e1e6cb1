#pragma once

#include "MixerVolume.h"

#include <QObject>
#include <QTimer>

class QScrollBar;

// The "Vol" slider: shows the master volume, sets it, and follows changes made elsewhere by
// reading the mixer every second. Its top end is loud; one slider unit is two mixer units.
// Only the user's moves, the fade and the restore write the volume: what is shown because it was
// read is never written back, so a balance or a level finer than the slider stays as it is.
// The scroll bar underneath counts the other way (its minimum is at the top), so the slider's
// value is the negated position of the scroll bar; that keeps the arrows, the keys and the
// track all moving the volume the way they point.
class VolumeSlider : public QObject
{
    Q_OBJECT

public:
    VolumeSlider(QScrollBar& slider, MixerVolume& volume, QObject* parent = nullptr);

    // Start-up, once the mixer is open: finds the master volume and, when there is one, gives
    // the slider its range and the current volume.
    void connectToMixer();
    // Start-up without a mixer: the slider can show nothing and does nothing.
    void disable();

    void Volume_Change();
    void Volume_GotFocus();
    void Volume_LostFocus();
    void timGetVolume_Timer();

    // The slider's value and bounds, in slider units (loud is high). Setting it is the fade's
    // step: it writes the volume, but is not the user's choice.
    int value() const;
    void setValue(int value);
    int top() const;
    int bottom() const;

    // Off while a run lasts, whatever the focus does; the volume read last is then the one the
    // run's end gives back, or the one the user set with the slider meanwhile.
    void setPollEnabled(bool enabled);

    // The end of a run: shows the volume read before it and gives the mixer back exactly that,
    // waiting at most waitMs for the mixer to take it. False when it did not.
    bool restore(const Mixer::Reading& before, int waitMs);
    QTimer& timGetVolume() { return m_timGetVolume; }

    MixerControlRecord VolumeCtrl;

private:
    void setUp();
    // Shows a value read from the mixer, without writing it.
    void show(int value);

    QScrollBar& m_slider;
    MixerVolume& m_volume;
    QTimer m_timGetVolume;
    bool m_controlFound = false;
    bool m_heldByRun = false;
    bool m_fading = false;
};
