#include "FollowedMprisPlayer.h"

#include <QDBusArgument>
#include <QDBusObjectPath>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// A player that pauses on the item's last frame stops this close to its length, or closer.
constexpr qint64 EndMarginUs = 1'000'000;

// Positions and lengths come as int64 from most players, as other numbers from a few.
std::optional<qint64> microseconds(const QVariant& value)
{
    bool ok = false;
    const qint64 us = value.toLongLong(&ok);
    return ok ? std::optional(us) : std::nullopt;
}

} // namespace

FollowedMprisPlayer::FollowedMprisPlayer(const QString& name, const QString& owner)
    : m_name(name), m_owner(owner)
{}

bool FollowedMprisPlayer::Item::isNone() const
{
    // Nothing but a track id that names no track: MPRIS's own, mpv's, or none at all.
    return url.isEmpty() && title.isEmpty() &&
           (trackId.isEmpty() ||
            trackId == QLatin1String("/org/mpris/MediaPlayer2/TrackList/NoTrack") ||
            trackId == QLatin1String("/noplaylist"));
}

bool FollowedMprisPlayer::apply(const QVariantMap& properties)
{
    const auto before = std::tuple(m_finished, m_status, m_rate, m_length);
    const auto status = properties.constFind(QStringLiteral("PlaybackStatus"));
    const auto rate = properties.constFind(QStringLiteral("Rate"));
    // The position has run on at the old status and rate until now.
    if (m_position && (status != properties.cend() || rate != properties.cend())) {
        m_position = positionNow();
        m_positionAge.restart();
    }
    if (status != properties.cend())
        m_status = status->toString();
    if (rate != properties.cend()) // 0 from players that never set it
        m_rate = rate->toDouble() > 0 ? rate->toDouble() : 1;
    const auto metadata = properties.constFind(QStringLiteral("Metadata"));
    if (metadata != properties.cend())
        applyMetadata(qdbus_cast<QVariantMap>(*metadata));
    if (m_status == QLatin1String("Stopped"))
        m_finished = true;
    const auto position = properties.constFind(QStringLiteral("Position"));
    if (position != properties.cend())
        if (const auto us = microseconds(*position))
            setPosition(*us);
    return before != std::tuple(m_finished, m_status, m_rate, m_length);
}

void FollowedMprisPlayer::applyMetadata(const QVariantMap& metadata)
{
    const QVariant trackId = metadata.value(QStringLiteral("mpris:trackid"));
    const Item item{trackId.userType() == qMetaTypeId<QDBusObjectPath>()
                        ? trackId.value<QDBusObjectPath>().path()
                        : trackId.toString(),
                    metadata.value(QStringLiteral("xesam:url")).toString(),
                    metadata.value(QStringLiteral("xesam:title")).toString()};
    // Some players keep one track id for every item, so any of the three tells a new one. One
    // that names no track yet is still loading the item it plays: mpv says "Playing" a moment
    // before it tells the first one.
    if (!m_item || m_item->isNone())
        m_item = item;
    else if (item != *m_item)
        m_finished = true;
    const auto length = microseconds(metadata.value(QStringLiteral("mpris:length")));
    m_length = length > 0 ? length : std::nullopt; // 0 for a live stream
}

void FollowedMprisPlayer::setPosition(qint64 position)
{
    m_position = std::max<qint64>(position, 0); // mpv tells a little below 0 at an item's start
    m_positionAge.restart();
    if (m_status == QLatin1String("Paused") && m_length && *m_position >= *m_length - EndMarginUs)
        m_finished = true;
}

qint64 FollowedMprisPlayer::positionNow() const
{
    const bool running = m_status == QLatin1String("Playing");
    return *m_position + (running ? std::llround(m_positionAge.elapsed() * 1000 * m_rate) : 0);
}

std::optional<qint64> FollowedMprisPlayer::remainingMs() const
{
    if (m_finished)
        return 0;
    if (pausedMidItem() || !m_length || !m_position)
        return std::nullopt;
    return std::max<qint64>(std::llround((*m_length - positionNow()) / m_rate / 1000), 0);
}
