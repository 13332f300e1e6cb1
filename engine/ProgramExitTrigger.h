#pragma once

#include "RunTrigger.h"

// When a chosen program exits: every running process of the user's with its name, or the one
// process with its id, has exited.
class ProgramExitTrigger final : public RunTrigger
{
public:
    explicit ProgramExitTrigger(const Services& services) : m_services(services) {}
    ~ProgramExitTrigger() override;

    std::optional<double> minutes(QString* refusal) override;
    void start(std::function<void(const Start&)> ready) override;
    void stop() override;
    std::optional<qint64> remainingMs(double) const override { return std::nullopt; }
    bool reached(double now) const override;
    bool foreseen() const override { return false; }
    bool fading() const override { return false; }
    std::optional<double> fractionDone(double) const override { return std::nullopt; }
    QString plan(const QString& doing, std::optional<qint64> remainingMs,
                 bool spoken) const override;
    void extend(qint64 ms) override { m_afterwardsMs += ms; }
    qint64 afterwardsMs() const override { return m_afterwardsMs; }

private:
    Services m_services;
    QString m_program;
    bool m_following = false;
    qint64 m_afterwardsMs = 0;
};
