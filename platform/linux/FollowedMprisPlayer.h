#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QVariantMap>

#include <optional>

// One MPRIS player followed from the item it played when the following began to that item's end.
// It only learns what the bus told: the end comes from what the player did, never from the time.
class FollowedMprisPlayer
{
public:
    FollowedMprisPlayer(const QString& name, const QString& owner);

    const QString& name() const { return m_name; }
    const QString& owner() const { return m_owner; } // the player's unique name on the bus

    // Properties of org.mpris.MediaPlayer2.Player, read or changed. True when the status, the
    // rate, the item or its length changed, or the item ended.
    bool apply(const QVariantMap& properties);
    // A position (µs) the player told just now: Position, or Seeked.
    void setPosition(qint64 position);
    void leave() { m_finished = true; }

    bool finished() const { return m_finished; }
    bool pausedMidItem() const { return !m_finished && m_status == QLatin1String("Paused"); }
    // Until the item's end at the player's rate, the position running on since it was read;
    // nothing without a length or a position, or while paused.
    std::optional<qint64> remainingMs() const;

private:
    struct Item
    {
        QString trackId;
        QString url;
        QString title;
        bool operator==(const Item&) const = default;
        bool isNone() const;
    };
    void applyMetadata(const QVariantMap& metadata);
    qint64 positionNow() const; // µs; needs a position

    QString m_name;
    QString m_owner;
    std::optional<Item> m_item; // the one played when the following began
    QString m_status;
    double m_rate = 1;
    std::optional<qint64> m_length;   // µs
    std::optional<qint64> m_position; // µs, as read...
    QElapsedTimer m_positionAge;      // ...this long ago
    bool m_finished = false;
};
