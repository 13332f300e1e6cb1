#pragma once

#include "RunTrigger.h"

#include <memory>

// When the media playing now ends: the players playing at arming each finish the item they
// play. Their time left is only an estimate, for the warning, the fade and the tip.
class MediaEndTrigger final : public RunTrigger
{
public:
    explicit MediaEndTrigger(const Services& services) : m_services(services) {}
    ~MediaEndTrigger() override;

    std::optional<double> minutes(QString*) override { return 0.0; }
    void start(std::function<void(const Start&)> ready) override;
    void stop() override;
    Change follow(double now) override;
    std::optional<qint64> remainingMs(double now) const override;
    bool reached(double now) const override;
    bool foreseen() const override { return false; }
    bool fading() const override;
    std::optional<double> fractionDone(double now) const override;
    QString plan(const QString& doing, std::optional<qint64> remainingMs,
                 bool spoken) const override;
    void extend(qint64 ms) override { m_afterwardsMs += ms; }
    qint64 afterwardsMs() const override { return m_afterwardsMs; }

private:
    Services m_services;
    std::shared_ptr<bool> m_following = std::make_shared<bool>(false);
    double m_started = 0;
    std::optional<double> m_end; // the estimated end on the boot clock, as last followed
    qint64 m_afterwardsMs = 0;
};
