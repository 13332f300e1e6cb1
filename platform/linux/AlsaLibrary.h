#pragma once

#include <alsa/asoundlib.h>

// The functions of ALSA's library, found when the ALSA mixer first opens rather than when the
// program starts: it is only the way to the volume where no sound server answers, and loading it
// with the program cost every start its relocations and resident pages.
#define SOMNIVO_ALSA_FUNCTIONS(F)                                                                  \
    F(config_update_free_global)                                                                   \
    F(ctl_elem_id_free)                                                                            \
    F(ctl_elem_id_malloc)                                                                          \
    F(ctl_elem_id_set_index)                                                                       \
    F(ctl_elem_id_set_interface)                                                                   \
    F(ctl_elem_id_set_name)                                                                        \
    F(ctl_elem_value_free)                                                                         \
    F(ctl_elem_value_malloc)                                                                       \
    F(ctl_nonblock)                                                                                \
    F(hctl_ctl)                                                                                    \
    F(hctl_elem_read)                                                                              \
    F(hctl_find_elem)                                                                              \
    F(lib_error_set_handler)                                                                       \
    F(mixer_attach)                                                                                \
    F(mixer_close)                                                                                 \
    F(mixer_elem_next)                                                                             \
    F(mixer_first_elem)                                                                            \
    F(mixer_get_hctl)                                                                              \
    F(mixer_handle_events)                                                                         \
    F(mixer_load)                                                                                  \
    F(mixer_open)                                                                                  \
    F(mixer_selem_get_index)                                                                       \
    F(mixer_selem_get_name)                                                                        \
    F(mixer_selem_get_playback_volume)                                                             \
    F(mixer_selem_get_playback_volume_range)                                                       \
    F(mixer_selem_has_playback_channel)                                                            \
    F(mixer_selem_has_playback_volume)                                                             \
    F(mixer_selem_register)                                                                        \
    F(mixer_selem_set_playback_volume)

struct AlsaLibrary
{
#define SOMNIVO_ALSA_POINTER(name) decltype(&::snd_##name) name = nullptr;
    SOMNIVO_ALSA_FUNCTIONS(SOMNIVO_ALSA_POINTER)
#undef SOMNIVO_ALSA_POINTER

    // Loaded at the first call, on whichever thread makes it; null where the library is not
    // installed or lacks one of the functions (the mixer then does not open).
    static const AlsaLibrary* get();
};
