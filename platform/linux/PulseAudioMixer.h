#pragma once

#include "platform/Mixer.h"

struct pa_context;
struct pa_threaded_mainloop;

// The master volume (the default sink's) in the sound server's own protocol, as PulseAudio and
// PipeWire's PulseAudio service speak it. A write is one request that nobody waits for; a read
// answers from what the server last reported, which it reports by itself on every change. (The
// same through ALSA's pulse plugin takes about a dozen round trips a write, each handed between
// two threads.) When the server goes, reads and writes fail at once, and each later one asks
// for a new connection, so the volume comes back with the server.
class PulseAudioMixer final : public Mixer
{
public:
    PulseAudioMixer() = default;
    ~PulseAudioMixer() override;
    PulseAudioMixer(const PulseAudioMixer&) = delete;
    PulseAudioMixer& operator=(const PulseAudioMixer&) = delete;

    // Connects and learns the volume, waiting at most a second for a server that does not answer.
    bool open() override;
    std::optional<quint32> findLine(quint32 componentType) override;
    std::optional<Control> findControl(quint32 lineId, quint32 controlType) override;
    std::optional<quint32> readValue(quint32 controlId) override;
    bool writeValue(quint32 controlId, quint32 value) override;

private:
    // All of these run with the main loop's lock held.
    void connect();
    bool usable();
    void askForSink();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    // What the server last said of the default sink.
    bool m_sinkKnown = false;
    bool m_answered = false;
    quint8 m_channels = 0;
    quint32 m_raw = 0; // the loudest channel, 65536 = 100 %
};
