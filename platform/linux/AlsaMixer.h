#pragma once

#include "platform/Mixer.h"

// Declared here as alsa-lib declares them, so that users of this class need no ALSA header.
typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;
typedef struct _snd_hctl_elem snd_hctl_elem_t;

// The master volume through ALSA's simple mixer on the "default" control device, which on a
// desktop is the sound server's own volume (PulseAudio, PipeWire) and on bare ALSA the card's.
// When the device goes away (the sound server stops), reads and writes fail quietly and each
// later call tries once to open it again, so the volume comes back with the server.
class AlsaMixer final : public Mixer
{
public:
    AlsaMixer();
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    bool open() override;
    std::optional<quint32> findLine(quint32 componentType) override;
    std::optional<Control> findControl(quint32 lineId, quint32 controlType) override;
    std::optional<Reading> read(quint32 controlId) override;
    bool writeValue(quint32 controlId, quint32 value) override;
    bool writeLevels(quint32 controlId, const Levels& levels, int waitMs) override;

private:
    bool attach();
    void detach();
    bool reattach();
    bool refresh(bool askDevice);
    // Every playback channel's level as the mixer has it; nothing when one cannot be read.
    std::optional<Levels> levels();
    bool setLevels(const Levels& levels);
    std::optional<Reading> readOnce();
    bool writeOnce(quint32 value);
    bool writeLevelsOnce(const Levels& levels);

    bool m_opened = false;
    snd_mixer_t* m_mixer = nullptr;
    snd_mixer_elem_t* m_element = nullptr;
    snd_hctl_elem_t* m_probe = nullptr;
    // The balance writes keep: the levels last found that were not this program's own writing.
    Levels m_shape;
    Levels m_written;
};
