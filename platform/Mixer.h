#pragma once

#include <QtGlobal>

#include <optional>

// The sound mixer's master volume, seen as the speakers destination line with one volume
// control whose value runs from 0 to 65535 (all channels as one value).
class Mixer
{
public:
    static constexpr quint32 SpeakersLine = 4;
    static constexpr quint32 VolumeControl = 0x50030001;
    static constexpr quint32 ValueMaximum = 65535;

    struct Control
    {
        quint32 id = 0;
        qint32 minimum = 0;
        qint32 maximum = 0;
    };

    virtual ~Mixer() = default;

    // The one attempt to open the mixer; false when there is none to open.
    virtual bool open() = 0;

    // The line of the given component type, or nothing when the mixer has no such line.
    virtual std::optional<quint32> findLine(quint32 componentType) = 0;
    // The control of the given type on a line, or nothing when the line has none.
    virtual std::optional<Control> findControl(quint32 lineId, quint32 controlType) = 0;
    // The control's current value, or nothing when it cannot be read.
    virtual std::optional<quint32> readValue(quint32 controlId) = 0;
    // True when the mixer accepted the value.
    virtual bool writeValue(quint32 controlId, quint32 value) = 0;
};
