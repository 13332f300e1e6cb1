#include "PulseAudioMixer.h"

#include "ProgramInfo.h"
#include "VolumeScale.h"

#include <pulse/pulseaudio.h>

namespace {

constexpr quint32 LineId = 1;
constexpr quint32 ControlId = 1;
constexpr pa_usec_t OpenTimeoutUs = 1'000'000;
const char* const DefaultSink = "@DEFAULT_SINK@";

bool over(pa_context* context)
{
    const pa_context_state_t state = pa_context_get_state(context);
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

// Holds the main loop's lock for as long as it lives.
struct Locked
{
    explicit Locked(pa_threaded_mainloop* mainLoop) : loop(mainLoop)
    {
        pa_threaded_mainloop_lock(loop);
    }
    ~Locked() { pa_threaded_mainloop_unlock(loop); }
    pa_threaded_mainloop* loop;
};

} // namespace

PulseAudioMixer::~PulseAudioMixer()
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_stop(m_loop);
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_free(m_loop);
}

bool PulseAudioMixer::open()
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop || pa_threaded_mainloop_start(m_loop) < 0)
        return false;
    const Locked locked(m_loop);
    connect();
    // Until the server has told the volume, has gone, or has let a second pass.
    struct Deadline
    {
        pa_threaded_mainloop* loop;
        bool passed = false;
    } deadline{m_loop};
    pa_time_event* timer = pa_context_rttime_new(
        m_context, pa_rtclock_now() + OpenTimeoutUs,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* data) {
            static_cast<Deadline*>(data)->passed = true;
            pa_threaded_mainloop_signal(static_cast<Deadline*>(data)->loop, 0);
        },
        &deadline);
    while (!deadline.passed && !over(m_context) && !m_answered)
        pa_threaded_mainloop_wait(m_loop);
    pa_threaded_mainloop_get_api(m_loop)->time_free(timer);
    return m_sinkKnown;
}

void PulseAudioMixer::connect()
{
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    m_sinkKnown = false;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), ProgramInfo::Title);
    pa_context_set_state_callback(
        m_context,
        [](pa_context* context, void* data) {
            auto* self = static_cast<PulseAudioMixer*>(data);
            if (pa_context_get_state(context) == PA_CONTEXT_READY) {
                // The server tells every change of a sink or of the default one by itself.
                pa_context_set_subscribe_callback(
                    context,
                    [](pa_context*, pa_subscription_event_type_t, uint32_t, void* mixer) {
                        static_cast<PulseAudioMixer*>(mixer)->askForSink();
                    },
                    self);
                const auto mask =
                    pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER);
                if (pa_operation* subscribing =
                        pa_context_subscribe(context, mask, nullptr, nullptr))
                    pa_operation_unref(subscribing);
                self->askForSink();
            } else if (over(context)) {
                self->m_sinkKnown = false;
            }
            pa_threaded_mainloop_signal(self->m_loop, 0);
        },
        this);
    // The server named by the environment or the user's configuration, never a new one.
    pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseAudioMixer::askForSink()
{
    const auto answered = [](pa_context*, const pa_sink_info* sink, int last, void* data) {
        auto* self = static_cast<PulseAudioMixer*>(data);
        if (sink) {
            self->m_channels = sink->volume.channels;
            self->m_raw = pa_cvolume_max(&sink->volume);
            self->m_sinkKnown = true;
        } else if (last < 0) {
            self->m_sinkKnown = false; // no default sink
        }
        if (last)
            self->m_answered = true;
        pa_threaded_mainloop_signal(self->m_loop, 0);
    };
    if (pa_operation* asking =
            pa_context_get_sink_info_by_name(m_context, DefaultSink, answered, this))
        pa_operation_unref(asking);
}

bool PulseAudioMixer::usable()
{
    if (over(m_context))
        connect(); // answers the next time, once the server is back
    return pa_context_get_state(m_context) == PA_CONTEXT_READY && m_sinkKnown;
}

std::optional<quint32> PulseAudioMixer::findLine(quint32 componentType)
{
    if (componentType != SpeakersLine || !m_loop)
        return std::nullopt;
    const Locked locked(m_loop);
    return usable() ? std::optional(LineId) : std::nullopt;
}

std::optional<Mixer::Control> PulseAudioMixer::findControl(quint32 lineId, quint32 controlType)
{
    if (lineId != LineId || controlType != VolumeControl)
        return std::nullopt;
    return Control{ControlId, 0, ValueMaximum};
}

std::optional<quint32> PulseAudioMixer::readValue(quint32 controlId)
{
    if (controlId != ControlId || !m_loop)
        return std::nullopt;
    const Locked locked(m_loop);
    if (!usable())
        return std::nullopt;
    return VolumeScale::valueFromRaw(long(m_raw), PA_VOLUME_MUTED, PA_VOLUME_NORM);
}

bool PulseAudioMixer::writeValue(quint32 controlId, quint32 value)
{
    if (controlId != ControlId || !m_loop)
        return false;
    const Locked locked(m_loop);
    if (!usable())
        return false;
    const auto raw = quint32(VolumeScale::rawFromValue(value, PA_VOLUME_MUTED, PA_VOLUME_NORM));
    pa_cvolume volume;
    pa_cvolume_set(&volume, m_channels, raw);
    pa_operation* setting =
        pa_context_set_sink_volume_by_name(m_context, DefaultSink, &volume, nullptr, nullptr);
    if (!setting)
        return false;
    pa_operation_unref(setting);
    m_raw = raw; // what the server will report back
    return true;
}
