#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

// The sound mixer's master volume, seen as the speakers destination line with one volume
// control whose value runs from 0 to 65535: the loudest channel's. The others keep their
// proportion to it (the user's balance) whatever is written.
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

    // Every channel's volume, in the device's own units.
    using Levels = std::vector<qint64>;
    struct Reading
    {
        quint32 value = 0; // the loudest channel
        Levels levels;
    };

    virtual ~Mixer() = default;

    // The one attempt to open the mixer; false when there is none to open.
    virtual bool open() = 0;

    // The line of the given component type, or nothing when the mixer has no such line.
    virtual std::optional<quint32> findLine(quint32 componentType) = 0;
    // The control of the given type on a line, or nothing when the line has none.
    virtual std::optional<Control> findControl(quint32 lineId, quint32 controlType) = 0;
    // The control's current value and every channel's level, or nothing when they cannot be
    // read. Reading never writes.
    virtual std::optional<Reading> read(quint32 controlId) = 0;
    // The loudest channel to the value, the others in proportion. True when the mixer accepted
    // it.
    virtual bool writeValue(quint32 controlId, quint32 value) = 0;
    // Every channel back to levels read before, exactly. True once the mixer has taken them;
    // waits at most waitMs for that, a mixer that is coming back included.
    virtual bool writeLevels(quint32 controlId, const Levels& levels, int waitMs) = 0;
};
