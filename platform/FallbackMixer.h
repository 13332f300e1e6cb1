#pragma once

#include "Mixer.h"

#include <initializer_list>
#include <vector>

// The first of several ways to the master volume that opens, in the order given.
class FallbackMixer final : public Mixer
{
public:
    FallbackMixer(std::initializer_list<Mixer*> choices) : m_choices(choices) {}

    bool open() override;
    std::optional<quint32> findLine(quint32 componentType) override;
    std::optional<Control> findControl(quint32 lineId, quint32 controlType) override;
    std::optional<quint32> readValue(quint32 controlId) override;
    bool writeValue(quint32 controlId, quint32 value) override;

private:
    std::vector<Mixer*> m_choices;
    Mixer* m_chosen = nullptr;
};
