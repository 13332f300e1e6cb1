#pragma once

#include "platform/Mixer.h"

#include <QList>

// A mixer whose master volume is a number the test sets and reads; each part of it can be made
// to be missing or to fail. Its speakers line is line 7, its volume control control 42.
class FakeMixer final : public Mixer
{
public:
    bool open() override { return opens; }
    std::optional<quint32> findLine(quint32 type) override
    {
        return hasLine && type == SpeakersLine ? std::optional<quint32>(7) : std::nullopt;
    }
    std::optional<Control> findControl(quint32 line, quint32 type) override
    {
        const bool found = hasControl && line == 7 && type == VolumeControl;
        return found ? std::optional(Control{42, 0, 65535}) : std::nullopt;
    }
    std::optional<quint32> readValue(quint32 id) override
    {
        return readable && id == 42 ? std::optional(value) : std::nullopt;
    }
    bool writeValue(quint32 id, quint32 newValue) override
    {
        writes.append(newValue);
        if (writable && id == 42)
            value = newValue;
        return writable && id == 42;
    }

    bool opens = true;
    bool hasLine = true;
    bool hasControl = true;
    bool readable = true;
    bool writable = true;
    quint32 value = 32768;
    QList<quint32> writes;
};
