#pragma once

#include <pulse/pulseaudio.h>

// The functions of the sound server's client library, found when the mixer first opens rather
// than when the program starts: the library brings fourteen of its own (the codecs of the sound
// file library among them), and their loading then overlaps the building of the main window on
// the thread that opens the mixer, instead of coming before anything else.
#define SOMNIVO_PULSE_FUNCTIONS(F)                                                                 \
    F(context_connect)                                                                             \
    F(context_disconnect)                                                                          \
    F(context_get_sink_info_by_name)                                                               \
    F(context_get_state)                                                                           \
    F(context_new)                                                                                 \
    F(context_rttime_new)                                                                          \
    F(context_set_sink_volume_by_name)                                                             \
    F(context_set_state_callback)                                                                  \
    F(context_set_subscribe_callback)                                                              \
    F(context_subscribe)                                                                           \
    F(context_unref)                                                                               \
    F(cvolume_equal)                                                                               \
    F(cvolume_max)                                                                                 \
    F(cvolume_scale)                                                                               \
    F(cvolume_set)                                                                                 \
    F(cvolume_valid)                                                                               \
    F(operation_cancel)                                                                            \
    F(operation_get_state)                                                                         \
    F(operation_unref)                                                                             \
    F(rtclock_now)                                                                                 \
    F(threaded_mainloop_free)                                                                      \
    F(threaded_mainloop_get_api)                                                                   \
    F(threaded_mainloop_lock)                                                                      \
    F(threaded_mainloop_new)                                                                       \
    F(threaded_mainloop_signal)                                                                    \
    F(threaded_mainloop_start)                                                                     \
    F(threaded_mainloop_stop)                                                                      \
    F(threaded_mainloop_unlock)                                                                    \
    F(threaded_mainloop_wait)

struct PulseLibrary
{
#define SOMNIVO_PULSE_POINTER(name) decltype(&::pa_##name) name = nullptr;
    SOMNIVO_PULSE_FUNCTIONS(SOMNIVO_PULSE_POINTER)
#undef SOMNIVO_PULSE_POINTER

    // Loaded at the first call, on whichever thread makes it; null where the library is not
    // installed or lacks one of the functions (the mixer then does not open).
    static const PulseLibrary* get();
};
