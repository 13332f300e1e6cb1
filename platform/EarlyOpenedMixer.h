#pragma once

#include "Mixer.h"

#include <future>
#include <initializer_list>
#include <vector>

// The first of several ways to the master volume that opens, in the order given. They are tried
// on a thread of their own from the moment this is made, so that reaching the sound server
// overlaps the rest of start-up; open() then only waits for the outcome.
class EarlyOpenedMixer final : public Mixer
{
public:
    EarlyOpenedMixer(std::initializer_list<Mixer*> choices)
        : m_opening(std::async(std::launch::async, [choices = std::vector(choices)] {
              for (Mixer* choice : choices)
                  if (choice->open())
                      return choice;
              return static_cast<Mixer*>(nullptr);
          }))
    {}

    bool open() override
    {
        if (m_opening.valid())
            m_chosen = m_opening.get();
        return m_chosen;
    }
    std::optional<quint32> findLine(quint32 componentType) override
    {
        return m_chosen ? m_chosen->findLine(componentType) : std::nullopt;
    }
    std::optional<Control> findControl(quint32 lineId, quint32 controlType) override
    {
        return m_chosen ? m_chosen->findControl(lineId, controlType) : std::nullopt;
    }
    std::optional<Reading> read(quint32 controlId) override
    {
        return m_chosen ? m_chosen->read(controlId) : std::nullopt;
    }
    bool writeValue(quint32 controlId, quint32 value) override
    {
        return m_chosen && m_chosen->writeValue(controlId, value);
    }
    bool writeLevels(quint32 controlId, const Levels& levels, int waitMs) override
    {
        return m_chosen && m_chosen->writeLevels(controlId, levels, waitMs);
    }

private:
    std::future<Mixer*> m_opening;
    Mixer* m_chosen = nullptr;
};
