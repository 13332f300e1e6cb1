#include "PulseLibrary.h"

#include <dlfcn.h>

namespace {

const PulseLibrary* load()
{
    void* handle = dlopen("libpulse.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static PulseLibrary library;
    bool complete = true;
#define SOMNIVO_PULSE_FIND(name)                                                                   \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, "pa_" #name));           \
    complete = complete && library.name;
    SOMNIVO_PULSE_FUNCTIONS(SOMNIVO_PULSE_FIND)
#undef SOMNIVO_PULSE_FIND
    // Kept loaded for the program's life: its threads and callbacks may still run at exit.
    return complete ? &library : nullptr;
}

} // namespace

const PulseLibrary* PulseLibrary::get()
{
    static const PulseLibrary* const loaded = load();
    return loaded;
}
