#include "AlsaMixer.h"

#include "AlsaLibrary.h"
#include "VolumeScale.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <string>

namespace {

// Only reached once attach() found the library.
const AlsaLibrary& alsa()
{
    return *AlsaLibrary::get();
}

constexpr const char* DeviceName = "default";
constexpr quint32 LineId = 1;
constexpr quint32 ControlId = 1;

// alsa-lib reports every failed attempt on stderr; our return values already say it all.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// "Master" when it has a playback volume, else the first element that has one.
snd_mixer_elem_t* speakersElement(snd_mixer_t* mixer)
{
    snd_mixer_elem_t* first = nullptr;
    for (auto* e = alsa().mixer_first_elem(mixer); e; e = alsa().mixer_elem_next(e)) {
        if (!alsa().mixer_selem_has_playback_volume(e))
            continue;
        if (std::string(alsa().mixer_selem_get_name(e)) == "Master")
            return e;
        if (!first)
            first = e;
    }
    return first;
}

bool readsBack(snd_hctl_elem_t* control)
{
    snd_ctl_elem_value_t* value = nullptr;
    if (alsa().ctl_elem_value_malloc(&value) < 0)
        return false;
    const bool ok = alsa().hctl_elem_read(control, value) >= 0;
    alsa().ctl_elem_value_free(value);
    return ok;
}

// The element's own volume control on the device, if it can be read. The simple mixer answers
// from a cache that only events update, and skips a write that matches the cache; reading the
// control itself asks the device, which notices a sound server that has just gone and brings a
// change another program has just made in as a pending event.
snd_hctl_elem_t* probeFor(snd_mixer_t* mixer, snd_mixer_elem_t* element)
{
    snd_hctl_t* hctl = nullptr;
    snd_ctl_elem_id_t* id = nullptr;
    if (alsa().mixer_get_hctl(mixer, DeviceName, &hctl) < 0 || alsa().ctl_elem_id_malloc(&id) < 0)
        return nullptr;
    alsa().ctl_elem_id_set_interface(id, SND_CTL_ELEM_IFACE_MIXER);
    alsa().ctl_elem_id_set_index(id, alsa().mixer_selem_get_index(element));
    snd_hctl_elem_t* found = nullptr;
    const std::string name = alsa().mixer_selem_get_name(element);
    for (const char* suffix : {" Playback Volume", " Volume"}) {
        alsa().ctl_elem_id_set_name(id, (name + suffix).c_str());
        found = alsa().hctl_find_elem(hctl, id);
        if (found)
            break;
    }
    alsa().ctl_elem_id_free(id);
    return found && readsBack(found) ? found : nullptr;
}

} // namespace

AlsaMixer::AlsaMixer() = default;

AlsaMixer::~AlsaMixer()
{
    detach();
}

bool AlsaMixer::open()
{
    detach();
    m_opened = attach();
    return m_opened;
}

std::optional<quint32> AlsaMixer::findLine(quint32 componentType)
{
    if (componentType != SpeakersLine || !m_element)
        return std::nullopt;
    return LineId;
}

std::optional<Mixer::Control> AlsaMixer::findControl(quint32 lineId, quint32 controlType)
{
    if (lineId != LineId || controlType != VolumeControl || !m_element)
        return std::nullopt;
    return Control{ControlId, 0, ValueMaximum};
}

std::optional<Mixer::Reading> AlsaMixer::read(quint32 controlId)
{
    if (!m_opened || controlId != ControlId)
        return std::nullopt;
    if (const auto reading = readOnce())
        return reading;
    if (!reattach())
        return std::nullopt;
    return readOnce();
}

bool AlsaMixer::writeValue(quint32 controlId, quint32 value)
{
    if (!m_opened || controlId != ControlId)
        return false;
    return writeOnce(value) || (reattach() && writeOnce(value));
}

bool AlsaMixer::writeLevels(quint32 controlId, const Levels& levels, int waitMs)
{
    if (!m_opened || controlId != ControlId || levels.empty())
        return false;
    // A write is done when it returns; a device that is coming back is tried again shortly.
    const QDeadlineTimer deadline(waitMs);
    while (!writeLevelsOnce(levels) && !(reattach() && writeLevelsOnce(levels))) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

bool AlsaMixer::attach()
{
    if (!AlsaLibrary::get())
        return false;
    alsa().lib_error_set_handler(&ignoreAlsaError);
    if (alsa().mixer_open(&m_mixer, 0) < 0) {
        m_mixer = nullptr;
        return false;
    }
    snd_hctl_t* hctl = nullptr;
    if (alsa().mixer_attach(m_mixer, DeviceName) < 0 ||
        alsa().mixer_get_hctl(m_mixer, DeviceName, &hctl) < 0 ||
        // Pending events are taken on every read; a card's control device opened blocking
        // would wait there for the next event when there is none.
        alsa().ctl_nonblock(alsa().hctl_ctl(hctl), 1) < 0 ||
        alsa().mixer_selem_register(m_mixer, nullptr, nullptr) < 0 ||
        alsa().mixer_load(m_mixer) < 0) {
        detach();
        return false;
    }
    m_element = speakersElement(m_mixer);
    m_probe = m_element ? probeFor(m_mixer, m_element) : nullptr;
    return true;
}

void AlsaMixer::detach()
{
    if (m_mixer)
        alsa().mixer_close(m_mixer);
    m_mixer = nullptr;
    m_element = nullptr;
    m_probe = nullptr;
}

bool AlsaMixer::reattach()
{
    detach();
    // alsa-lib keeps the configuration it read first; a sound setup that changed while we ran
    // (a server restarted, a card added) is only seen after reading it again.
    alsa().config_update_free_global();
    return attach();
}

bool AlsaMixer::refresh(bool askDevice)
{
    if (!m_element || (askDevice && m_probe && !readsBack(m_probe)))
        return false;
    return alsa().mixer_handle_events(m_mixer) >= 0;
}

std::optional<Mixer::Levels> AlsaMixer::levels()
{
    Levels found;
    for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
        const auto channel = static_cast<snd_mixer_selem_channel_id_t>(c);
        if (!alsa().mixer_selem_has_playback_channel(m_element, channel))
            continue;
        long raw = 0;
        if (alsa().mixer_selem_get_playback_volume(m_element, channel, &raw) < 0)
            return std::nullopt;
        found.push_back(raw);
    }
    if (found.empty())
        return std::nullopt;
    // Levels that are not what this program wrote were set by the user: theirs is the balance.
    if (found != m_written)
        m_shape = found;
    return found;
}

bool AlsaMixer::setLevels(const Levels& levels)
{
    std::size_t i = 0;
    for (int c = 0; c <= SND_MIXER_SCHN_LAST && i < levels.size(); ++c) {
        const auto channel = static_cast<snd_mixer_selem_channel_id_t>(c);
        if (alsa().mixer_selem_has_playback_channel(m_element, channel) &&
            alsa().mixer_selem_set_playback_volume(m_element, channel, long(levels[i++])) < 0)
            return false;
    }
    m_written = levels;
    return true;
}

std::optional<Mixer::Reading> AlsaMixer::readOnce()
{
    long minimum = 0;
    long maximum = 0;
    // Reads only take in pending events: asking the device each time would make every poll of
    // the volume wait on a sound server that hangs, and a change is seen one poll later at worst.
    if (!refresh(false) ||
        alsa().mixer_selem_get_playback_volume_range(m_element, &minimum, &maximum) < 0)
        return std::nullopt;
    const auto found = levels();
    if (!found)
        return std::nullopt;
    const qint64 loudest = *std::max_element(found->begin(), found->end());
    return Reading{VolumeScale::valueFromRaw(long(loudest), minimum, maximum), *found};
}

bool AlsaMixer::writeOnce(quint32 value)
{
    long minimum = 0;
    long maximum = 0;
    // A write waits on the sound server anyway; asking it first makes sure a value another
    // program has just changed is really written, and a server that has just gone is noticed.
    if (!refresh(true) ||
        alsa().mixer_selem_get_playback_volume_range(m_element, &minimum, &maximum) < 0 ||
        !levels())
        return false;
    return setLevels(
        VolumeScale::scaled(m_shape, VolumeScale::rawFromValue(value, minimum, maximum), minimum));
}

bool AlsaMixer::writeLevelsOnce(const Levels& levels)
{
    if (!refresh(true) || !this->levels() || !setLevels(levels))
        return false;
    m_shape = levels;
    return true;
}
