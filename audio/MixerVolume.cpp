#include "MixerVolume.h"

namespace {
// The size of the control description the lookup fills in.
constexpr quint32 ControlRecordSize = 152;
} // namespace

MixerVolume::MixerVolume(Mixer& mixer) : m_mixer(mixer) {}

bool MixerVolume::open()
{
    return m_mixer.open();
}

bool MixerVolume::GetVolumeControl(quint32 componentType, quint32 controlType,
                                   MixerControlRecord& control)
{
    const std::optional<quint32> line = m_mixer.findLine(componentType);
    if (!line)
        return false;
    control.cbStruct = ControlRecordSize;
    const std::optional<Mixer::Control> found = m_mixer.findControl(*line, controlType);
    if (!found)
        return false;
    control.dwControlID = found->id;
    control.lMinimum = found->minimum;
    control.lMaximum = found->maximum;
    if (const std::optional<Mixer::Reading> reading = m_mixer.read(control.dwControlID)) {
        CurrentVolume = int(reading->value);
        CurrentLevels = reading->levels;
    }
    return true;
}

bool MixerVolume::SetVolumeControl(const MixerControlRecord& control, quint32 value)
{
    return m_mixer.writeValue(control.dwControlID, value);
}

bool MixerVolume::RestoreLevels(const MixerControlRecord& control, const Mixer::Levels& levels,
                                int waitMs)
{
    return m_mixer.writeLevels(control.dwControlID, levels, waitMs);
}
