#pragma once

#include "platform/Mixer.h"

#include <QList>

// A mixer whose master volume is a number the test sets and reads, with a left channel at half
// of it, and whose volume control (control 42 on line 7) can be missing. It records the values
// written and the levels given back.
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
    std::optional<Reading> read(quint32 id) override
    {
        return id == 42 ? std::optional(Reading{value, {value / 2, value}}) : std::nullopt;
    }
    bool writeValue(quint32 id, quint32 newValue) override
    {
        writes.append(newValue);
        value = newValue;
        return id == 42;
    }
    bool writeLevels(quint32 id, const Levels& levels, int) override
    {
        restores.append(QList<qint64>(levels.begin(), levels.end()));
        return id == 42;
    }

    bool opens = true;
    bool hasControl = true;
    quint32 value = 32768;
    QList<quint32> writes;
    QList<QList<qint64>> restores;
};
