#pragma once

#include "platform/MediaWatch.h"

#include <QTimer>

#include <memory>
#include <vector>

class FollowedMprisPlayer;
class QDBusMessage;

// The MPRIS players on the session bus (org.mpris.MediaPlayer2.*) that are playing when the
// following begins, each followed by its unique name until its item ends.
class MprisMediaWatch final : public MediaWatch
{
    Q_OBJECT

public:
    explicit MprisMediaWatch(QObject* parent = nullptr);
    ~MprisMediaWatch() override;

    void follow(std::function<void(int players)> started) override;
    void stop() override;
    State state() const override;

private slots:
    void onPropertiesChanged(const QDBusMessage& message);
    void onSeeked(const QDBusMessage& message);
    void onNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    void adopt(const QString& name, const QDBusMessage& properties);
    // Reads the player's properties again, Position with them.
    void refresh(const QString& owner);
    void poll();
    FollowedMprisPlayer* unfinished(const QString& owner) const;
    // Makes the change and tells of it, or of whatever it moved beyond time running on.
    void alter(const std::function<bool()>& change);

    std::vector<std::unique_ptr<FollowedMprisPlayer>> m_players;
    QTimer m_poll;
    int m_round = 0; // each follow() and stop() starts one: answers for an earlier one are dropped
    bool m_listening = false;
};
