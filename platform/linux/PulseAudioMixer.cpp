#include "PulseAudioMixer.h"

#include "ProgramInfo.h"
#include "PulseLibrary.h"
#include "VolumeScale.h"

#include <locale.h>

namespace {

// Only reached once open() found the library.
const PulseLibrary& pa()
{
    return *PulseLibrary::get();
}

constexpr quint32 LineId = 1;
constexpr quint32 ControlId = 1;
constexpr pa_usec_t OpenTimeoutUs = 1'000'000;
const char* const DefaultSink = "@DEFAULT_SINK@";

bool over(pa_context* context)
{
    const pa_context_state_t state = pa().context_get_state(context);
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

// Holds the main loop's lock for as long as it lives.
struct Locked
{
    explicit Locked(pa_threaded_mainloop* mainLoop) : loop(mainLoop)
    {
        pa().threaded_mainloop_lock(loop);
    }
    ~Locked() { pa().threaded_mainloop_unlock(loop); }
    pa_threaded_mainloop* loop;
};

// The library's own messages are never shown to the user: made in the C locale on this thread, they
// load no catalogue (the library's and the C library's, a fifth of a megabyte in most languages).
struct UntranslatedMessages
{
    UntranslatedMessages() : c(newlocale(LC_ALL_MASK, "C", nullptr)), before(uselocale(c)) {}
    ~UntranslatedMessages()
    {
        uselocale(before);
        freelocale(c);
    }
    locale_t c;
    locale_t before;
};

} // namespace

PulseAudioMixer::~PulseAudioMixer()
{
    if (!m_loop)
        return;
    pa().threaded_mainloop_stop(m_loop);
    if (m_context) {
        pa().context_disconnect(m_context);
        pa().context_unref(m_context);
    }
    pa().threaded_mainloop_free(m_loop);
}

bool PulseAudioMixer::open()
{
    if (!PulseLibrary::get())
        return false;
    m_loop = pa().threaded_mainloop_new();
    if (!m_loop || pa().threaded_mainloop_start(m_loop) < 0)
        return false;
    const Locked locked(m_loop);
    connect();
    // Until the server has told the volume, has gone, or has let a second pass.
    waitUntil([this] { return over(m_context) || m_answered; }, pa().rtclock_now() + OpenTimeoutUs);
    return m_sinkKnown;
}

bool PulseAudioMixer::waitUntil(const std::function<bool()>& done, pa_usec_t deadline)
{
    struct Alarm
    {
        pa_threaded_mainloop* loop;
        bool rang = false;
    } alarm{m_loop};
    pa_time_event* timer = pa().context_rttime_new(
        m_context, deadline,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* data) {
            static_cast<Alarm*>(data)->rang = true;
            pa().threaded_mainloop_signal(static_cast<Alarm*>(data)->loop, 0);
        },
        &alarm);
    while (!alarm.rang && !done())
        pa().threaded_mainloop_wait(m_loop);
    pa().threaded_mainloop_get_api(m_loop)->time_free(timer);
    return done();
}

void PulseAudioMixer::connect()
{
    if (m_context) {
        pa().context_set_state_callback(m_context, nullptr, nullptr);
        pa().context_disconnect(m_context);
        pa().context_unref(m_context);
    }
    m_sinkKnown = false;
    const UntranslatedMessages untranslated;
    m_context = pa().context_new(pa().threaded_mainloop_get_api(m_loop), ProgramInfo::Title);
    pa().context_set_state_callback(
        m_context,
        [](pa_context* context, void* data) {
            auto* self = static_cast<PulseAudioMixer*>(data);
            if (pa().context_get_state(context) == PA_CONTEXT_READY) {
                // The server tells every change of a sink or of the default one by itself.
                pa().context_set_subscribe_callback(
                    context,
                    [](pa_context*, pa_subscription_event_type_t, uint32_t, void* mixer) {
                        static_cast<PulseAudioMixer*>(mixer)->askForSink();
                    },
                    self);
                const auto mask =
                    pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER);
                if (pa_operation* subscribing =
                        pa().context_subscribe(context, mask, nullptr, nullptr))
                    pa().operation_unref(subscribing);
                self->askForSink();
            } else if (over(context)) {
                self->m_sinkKnown = false;
            }
            pa().threaded_mainloop_signal(self->m_loop, 0);
        },
        this);
    // The server named by the environment or the user's configuration, never a new one.
    pa().context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseAudioMixer::askForSink()
{
    const auto answered = [](pa_context*, const pa_sink_info* sink, int last, void* data) {
        auto* self = static_cast<PulseAudioMixer*>(data);
        if (sink) {
            self->m_volume = sink->volume;
            // A volume this program did not write was set by the user: theirs is the balance.
            if (!pa().cvolume_equal(&sink->volume, &self->m_written))
                self->m_shape = sink->volume;
            self->m_sinkKnown = true;
        } else if (last < 0) {
            self->m_sinkKnown = false; // no default sink
        }
        if (last)
            self->m_answered = true;
        pa().threaded_mainloop_signal(self->m_loop, 0);
    };
    if (pa_operation* asking =
            pa().context_get_sink_info_by_name(m_context, DefaultSink, answered, this))
        pa().operation_unref(asking);
}

bool PulseAudioMixer::usable()
{
    if (over(m_context))
        connect(); // answers the next time, once the server is back
    return pa().context_get_state(m_context) == PA_CONTEXT_READY && m_sinkKnown;
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

std::optional<Mixer::Reading> PulseAudioMixer::read(quint32 controlId)
{
    if (controlId != ControlId || !m_loop)
        return std::nullopt;
    const Locked locked(m_loop);
    if (!usable())
        return std::nullopt;
    Reading reading{VolumeScale::valueFromRaw(long(pa().cvolume_max(&m_volume)), PA_VOLUME_MUTED,
                                              PA_VOLUME_NORM),
                    {}};
    reading.levels.assign(m_volume.values, m_volume.values + m_volume.channels);
    return reading;
}

bool PulseAudioMixer::writeValue(quint32 controlId, quint32 value)
{
    if (controlId != ControlId || !m_loop)
        return false;
    const Locked locked(m_loop);
    if (!usable())
        return false;
    const auto raw = pa_volume_t(VolumeScale::rawFromValue(value, PA_VOLUME_MUTED, PA_VOLUME_NORM));
    pa_cvolume volume = m_shape;
    if (!pa().cvolume_valid(&volume))
        pa().cvolume_set(&volume, m_volume.channels, raw);
    else
        pa().cvolume_scale(&volume, raw);
    pa_operation* setting =
        pa().context_set_sink_volume_by_name(m_context, DefaultSink, &volume, nullptr, nullptr);
    if (!setting)
        return false;
    pa().operation_unref(setting);
    m_written = m_volume = volume; // what the server will report back
    return true;
}

bool PulseAudioMixer::writeLevels(quint32 controlId, const Levels& levels, int waitMs)
{
    if (controlId != ControlId || !m_loop || levels.empty() || levels.size() > PA_CHANNELS_MAX)
        return false;
    const Locked locked(m_loop);
    const pa_usec_t deadline = pa().rtclock_now() + pa_usec_t(waitMs) * PA_USEC_PER_MSEC;
    // A server that is coming back is waited for: a connection refused is tried again shortly.
    const auto ready = [this] {
        return pa().context_get_state(m_context) == PA_CONTEXT_READY && m_sinkKnown;
    };
    while (!ready()) {
        if (pa().rtclock_now() >= deadline)
            return false;
        if (over(m_context))
            connect();
        waitUntil([&] { return ready() || over(m_context); }, deadline);
        if (over(m_context))
            waitUntil([] { return false; },
                      std::min(deadline, pa().rtclock_now() + 50 * PA_USEC_PER_MSEC));
    }
    pa_cvolume volume;
    volume.channels = quint8(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i)
        volume.values[i] = pa_volume_t(std::clamp<qint64>(levels[i], 0, PA_VOLUME_MAX));
    // A sink with other channels now (the default sink changed): its own balance, as loud.
    if (volume.channels != m_volume.channels) {
        const pa_volume_t loudest = pa().cvolume_max(&volume);
        volume = m_volume;
        pa().cvolume_scale(&volume, loudest);
    }
    struct Answer
    {
        pa_threaded_mainloop* loop;
        bool given = false;
        bool taken = false;
    } answer{m_loop};
    pa_operation* setting = pa().context_set_sink_volume_by_name(
        m_context, DefaultSink, &volume,
        [](pa_context*, int success, void* data) {
            auto* given = static_cast<Answer*>(data);
            given->given = true;
            given->taken = success;
            pa().threaded_mainloop_signal(given->loop, 0);
        },
        &answer);
    if (!setting)
        return false;
    m_written = m_volume = m_shape = volume;
    waitUntil([&] { return pa().operation_get_state(setting) != PA_OPERATION_RUNNING; }, deadline);
    // An answer after the time given must not reach what is gone by then.
    if (pa().operation_get_state(setting) == PA_OPERATION_RUNNING)
        pa().operation_cancel(setting);
    pa().operation_unref(setting);
    return answer.given && answer.taken;
}
