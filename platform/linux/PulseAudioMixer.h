#pragma once

#include "platform/Mixer.h"

#include <functional>
#include <pulse/volume.h>

struct pa_context;
struct pa_threaded_mainloop;

// The master volume (the default sink's) in the sound server's own protocol, as PulseAudio and
// PipeWire's PulseAudio service speak it. A write is one request that nobody waits for (but the
// levels given back at the end of a run); a read answers from what the server last reported,
// which it reports by itself on every change. (The same through ALSA's pulse plugin takes about a
// dozen round trips a write, each handed between two threads.) Writes scale the sink's own
// channel volumes, so the balance stays the user's. When the server goes, reads and writes fail
// at once, and each later one asks for a new connection, so the volume comes back with the
// server.
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
    std::optional<Reading> read(quint32 controlId) override;
    bool writeValue(quint32 controlId, quint32 value) override;
    bool writeLevels(quint32 controlId, const Levels& levels, int waitMs) override;

private:
    // All of these run with the main loop's lock held.
    void connect();
    bool usable();
    void askForSink();
    // Waits, the lock given up meanwhile, until done() or the deadline (on the server's clock).
    bool waitUntil(const std::function<bool()>& done, pa_usec_t deadline);
    bool setSinkVolume(const pa_cvolume& volume, bool* acknowledged);

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    // What the server last said of the default sink.
    bool m_sinkKnown = false;
    bool m_answered = false;
    pa_cvolume m_volume{};  // every channel, 65536 = 100 %
    pa_cvolume m_shape{};   // the balance writes keep: the last volume not written here
    pa_cvolume m_written{}; // what was last written here
};
