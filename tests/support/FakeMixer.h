#pragma once

#include "platform/Mixer.h"

#include <QList>

// A mixer whose master volume is a number the test sets and reads, and whose volume control
// (control 42 on line 7) can be missing.
class FakeMixer final : public Mixer
{
public:
    bool open() override { return opens; }
    std::optional<quint32> findLine(quint32 type) override
    {
        return type == SpeakersLine ? std::optional<quint32>(7) : std::nullopt;
    }
    std::optional<Control> findControl(quint32 line, quint32 type) override
    {
        const bool found = hasControl && line == 7 && type == VolumeControl;
        return found ? std::optional(Control{42, 0, 65535}) : std::nullopt;
    }
    std::optional<quint32> readValue(quint32 id) override { return id == 42 ? value : 0; }
    bool writeValue(quint32 id, quint32 newValue) override
    {
        writes.append(newValue);
        value = newValue;
        return id == 42;
    }

    bool opens = true;
    bool hasControl = true;
    quint32 value = 32768;
    QList<quint32> writes;
};
