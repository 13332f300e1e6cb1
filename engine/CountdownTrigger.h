#pragma once

#include "RunTrigger.h"

// "In" so many minutes: the run ends once the boot clock has run that long.
class CountdownTrigger final : public RunTrigger
{
public:
    explicit CountdownTrigger(const Services& services) : m_services(services) {}

    std::optional<double> minutes(QString* refusal) override;
    std::optional<qint64> remainingMs(double now) const override;
    bool reached(double now) const override;
    std::optional<double> fractionDone(double now) const override;
    QString plan(const QString& doing, std::optional<qint64> remainingMs,
                 bool spoken) const override;
    void extend(qint64 ms) override;

private:
    Services m_services;
};
