#pragma once

#include "Mixer.h"

#include <future>

// Opens another mixer on a thread of its own from the moment it is made, so that reaching the
// sound server overlaps the rest of start-up; open() then only waits for the outcome.
class EarlyOpenedMixer final : public Mixer
{
public:
    explicit EarlyOpenedMixer(Mixer& mixer)
        : m_mixer(mixer),
          m_opening(std::async(std::launch::async, [&mixer] { return mixer.open(); }))
    {}

    bool open() override { return m_opening.valid() && m_opening.get(); }
    std::optional<quint32> findLine(quint32 componentType) override
    {
        return m_mixer.findLine(componentType);
    }
    std::optional<Control> findControl(quint32 lineId, quint32 controlType) override
    {
        return m_mixer.findControl(lineId, controlType);
    }
    std::optional<quint32> readValue(quint32 controlId) override
    {
        return m_mixer.readValue(controlId);
    }
    bool writeValue(quint32 controlId, quint32 value) override
    {
        return m_mixer.writeValue(controlId, value);
    }

private:
    Mixer& m_mixer;
    std::future<bool> m_opening;
};
