#pragma once

#include "platform/Mixer.h"

#include <QList>

// A mixer whose master volume is a number the test sets and reads; each part of it can be made
// to be missing or to fail.
class FakeMixer final : public Mixer
{
public:
    bool open() override { return opens; }
    std::optional<quint32> findLine(quint32 componentType) override
    {
        if (!hasLine || componentType != SpeakersLine)
            return std::nullopt;
        return 7;
    }
    std::optional<Control> findControl(quint32 lineId, quint32 controlType) override
    {
        if (!hasControl || lineId != 7 || controlType != VolumeControl)
            return std::nullopt;
        return Control{ControlId, 0, 65535};
    }
    std::optional<quint32> readValue(quint32 controlId) override
    {
        if (!readable || controlId != ControlId)
            return std::nullopt;
        return value;
    }
    bool writeValue(quint32 controlId, quint32 newValue) override
    {
        writes.append(newValue);
        if (!writable || controlId != ControlId)
            return false;
        value = newValue;
        return true;
    }

    static constexpr quint32 ControlId = 42;
    bool opens = true;
    bool hasLine = true;
    bool hasControl = true;
    bool readable = true;
    bool writable = true;
    quint32 value = 32768;
    QList<quint32> writes;
};
