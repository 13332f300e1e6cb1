#pragma once

#include "RunTrigger.h"

#include <QObject>

// After so many minutes without input: the count starts again at every input, and after the
// machine slept.
class IdleTrigger final : public RunTrigger
{
public:
    explicit IdleTrigger(const Services& services) : m_services(services) {}

    std::optional<double> minutes(QString* refusal) override;
    void start(std::function<void(const Start&)> ready) override;
    void stop() override;
    Change follow(double now) override;
    Change woke(double now) override;
    std::optional<qint64> remainingMs(double now) const override;
    bool reached(double now) const override;
    bool fading() const override { return m_idleSince.has_value(); }
    std::optional<double> fractionDone(double now) const override;
    QString plan(const QString& doing, std::optional<qint64> remainingMs,
                 bool spoken) const override;
    void extend(qint64) override {} // the click that asks is input: the count starts again

private:
    qint64 idleMs(double now) const;

    Services m_services;
    double m_minutes = 0;
    std::optional<double> m_idleSince; // on the boot clock; nothing while the user is there
    bool m_back = false;               // input since the last tick
    QObject m_context;                 // what the idle source tells goes with it
};
