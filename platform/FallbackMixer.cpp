#include "FallbackMixer.h"

bool FallbackMixer::open()
{
    for (Mixer* choice : m_choices) {
        if (choice->open()) {
            m_chosen = choice;
            return true;
        }
    }
    return false;
}

std::optional<quint32> FallbackMixer::findLine(quint32 componentType)
{
    return m_chosen ? m_chosen->findLine(componentType) : std::nullopt;
}

std::optional<Mixer::Control> FallbackMixer::findControl(quint32 lineId, quint32 controlType)
{
    return m_chosen ? m_chosen->findControl(lineId, controlType) : std::nullopt;
}

std::optional<quint32> FallbackMixer::readValue(quint32 controlId)
{
    return m_chosen ? m_chosen->readValue(controlId) : std::nullopt;
}

bool FallbackMixer::writeValue(quint32 controlId, quint32 value)
{
    return m_chosen && m_chosen->writeValue(controlId, value);
}
