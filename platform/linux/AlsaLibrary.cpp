#include "AlsaLibrary.h"

#include <dlfcn.h>

namespace {

const AlsaLibrary* load()
{
    void* handle = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static AlsaLibrary library;
    bool complete = true;
#define SOMNIVO_ALSA_FIND(name)                                                                    \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, "snd_" #name));          \
    complete = complete && library.name;
    SOMNIVO_ALSA_FUNCTIONS(SOMNIVO_ALSA_FIND)
#undef SOMNIVO_ALSA_FIND
    // Kept loaded for the program's life: its threads and callbacks may still run at exit.
    return complete ? &library : nullptr;
}

} // namespace

const AlsaLibrary* AlsaLibrary::get()
{
    static const AlsaLibrary* const loaded = load();
    return loaded;
}
