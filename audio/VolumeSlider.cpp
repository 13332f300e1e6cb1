#include "VolumeSlider.h"

#include "platform/Mixer.h"

#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int Step = 1000;
// Start-up stops a little short of the top, the poll does not.
constexpr int HighestStartValue = 32700;
constexpr int HighestValue = 32767;
} // namespace

VolumeSlider::VolumeSlider(QScrollBar& slider, MixerVolume& volume, QObject* parent)
    : QObject(parent), m_slider(slider), m_volume(volume)
{
    m_timGetVolume.setParent(this);
    m_timGetVolume.setObjectName(QStringLiteral("timGetVolume"));
    m_timGetVolume.setInterval(1000);
    m_timGetVolume.start();
    connect(&m_timGetVolume, &QTimer::timeout, this, &VolumeSlider::timGetVolume_Timer);

    // The mixer is written once a drag ends, not at every step of it.
    m_slider.setTracking(false);
    connect(&m_slider, &QScrollBar::valueChanged, this, &VolumeSlider::Volume_Change);
}

void VolumeSlider::connectToMixer()
{
    if (m_volume.GetVolumeControl(Mixer::SpeakersLine, Mixer::VolumeControl, VolumeCtrl))
        setUp();
}

void VolumeSlider::setUp()
{
    m_controlFound = true;
    const int value = std::clamp(m_volume.CurrentVolume / 2, 0, HighestStartValue);
    m_slider.setRange(-qint16(VolumeCtrl.lMaximum / 2), -qint16(VolumeCtrl.lMinimum));
    m_slider.setSingleStep(Step);
    m_slider.setPageStep(Step);
    show(value);
}

void VolumeSlider::show(int value)
{
    const QSignalBlocker quiet(m_slider);
    m_slider.setValue(-value);
}

bool VolumeSlider::restore(const Mixer::Reading& before, int waitMs)
{
    show(std::clamp(int(before.value) / 2, bottom(), top()));
    if (!m_controlFound || before.levels.empty())
        return true; // nothing was read, so nothing to give back
    return m_volume.RestoreLevels(VolumeCtrl, before.levels, waitMs);
}

void VolumeSlider::disable()
{
    m_slider.setEnabled(false);
}

void VolumeSlider::Volume_Change()
{
    // Until the control is known there is nothing to write to.
    if (!m_controlFound)
        return;
    m_volume.SetVolumeControl(VolumeCtrl, quint32(2 * value()));
    // A level the user chooses during a run is the one its end gives back; what the fade writes
    // is not.
    if (m_heldByRun && !m_fading)
        m_volume.GetVolumeControl(Mixer::SpeakersLine, Mixer::VolumeControl, VolumeCtrl);
}

void VolumeSlider::Volume_GotFocus()
{
    m_timGetVolume.stop();
}

void VolumeSlider::Volume_LostFocus()
{
    // During a run the poll stays off, or the end would give back the faded volume.
    if (!m_heldByRun)
        m_timGetVolume.start();
}

void VolumeSlider::timGetVolume_Timer()
{
    if (!m_volume.GetVolumeControl(Mixer::SpeakersLine, Mixer::VolumeControl, VolumeCtrl))
        return;
    // A control found only now (the sound server came later) is set up like one found at
    // start-up.
    if (!m_controlFound) {
        setUp();
        return;
    }
    show(std::clamp(m_volume.CurrentVolume / 2, 0, HighestValue));
}

int VolumeSlider::value() const
{
    return -m_slider.value();
}

void VolumeSlider::setValue(int value)
{
    m_fading = true;
    m_slider.setValue(-value);
    m_fading = false;
}

int VolumeSlider::top() const
{
    return -m_slider.minimum();
}

int VolumeSlider::bottom() const
{
    return -m_slider.maximum();
}

void VolumeSlider::setPollEnabled(bool enabled)
{
    m_heldByRun = !enabled;
    if (enabled)
        m_timGetVolume.start();
    else
        m_timGetVolume.stop();
}
