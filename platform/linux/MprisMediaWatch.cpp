#include "MprisMediaWatch.h"

#include "AsyncDBusCall.h"
#include "FollowedMprisPlayer.h"

#include <QDBusArgument>

#include <algorithm>
#include <cstdlib>

namespace {

const QString Bus = QStringLiteral("org.freedesktop.DBus");
const QString BusPath = QStringLiteral("/org/freedesktop/DBus");
const QString PlayerPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int PatienceMs = 1000;
// Position is never told with a change: read again this often, with whatever a change missed.
constexpr int PollMs = 2000;
// Less than this between the estimate and the position read is the player's own unevenness.
constexpr qint64 JumpMs = 1000;

QDBusMessage getAll(const QString& service)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, PlayerPath, Properties, QStringLiteral("GetAll"));
    call.setArguments({PlayerInterface});
    return call;
}

} // namespace

MprisMediaWatch::MprisMediaWatch(QObject* parent) : MediaWatch(parent)
{
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &MprisMediaWatch::poll);
}

MprisMediaWatch::~MprisMediaWatch()
{
    stop();
}

void MprisMediaWatch::follow(std::function<void(int players)> started)
{
    stop();
    const int round = m_round;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, this, [this, round, started] {
            if (round == m_round)
                started(0);
        });
        return;
    }
    m_listening = bus.connect(Bus, BusPath, Bus, QStringLiteral("NameOwnerChanged"), this,
                              SLOT(onNameOwnerChanged(QString, QString, QString)));
    const QDBusMessage listNames =
        QDBusMessage::createMethodCall(Bus, BusPath, Bus, QStringLiteral("ListNames"));
    callAsync(bus, listNames, PatienceMs, this, [this, bus, round, started](const QVariant& names) {
        if (round != m_round)
            return;
        // Told once every player has answered, or failed to within the patience.
        auto waiting = std::make_shared<int>(1);
        const auto answered = [this, round, started, waiting] {
            if (--*waiting == 0 && round == m_round)
                started(int(m_players.size()));
        };
        for (const QString& name : names.toStringList()) {
            if (!name.startsWith(QLatin1String("org.mpris.MediaPlayer2.")))
                continue;
            ++*waiting;
            callAsyncForReply(bus, getAll(name), PatienceMs, this,
                              [this, round, name, answered](const QDBusMessage& reply) {
                                  if (round == m_round &&
                                      reply.type() == QDBusMessage::ReplyMessage)
                                      adopt(name, reply);
                                  answered();
                              });
        }
        answered();
    });
}

void MprisMediaWatch::adopt(const QString& name, const QDBusMessage& properties)
{
    const QVariantMap values = qdbus_cast<QVariantMap>(properties.arguments().value(0));
    // The answer comes from the player's unique name; one player may own several names.
    const QString owner = properties.service();
    if (values.value(QStringLiteral("PlaybackStatus")).toString() != QLatin1String("Playing") ||
        std::any_of(m_players.cbegin(), m_players.cend(),
                    [&owner](const auto& player) { return player->owner() == owner; }))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(owner, PlayerPath, Properties, QStringLiteral("PropertiesChanged"), this,
                SLOT(onPropertiesChanged(QDBusMessage)));
    bus.connect(owner, PlayerPath, PlayerInterface, QStringLiteral("Seeked"), this,
                SLOT(onSeeked(QDBusMessage)));
    m_players.push_back(std::make_unique<FollowedMprisPlayer>(name, owner));
    m_players.back()->apply(values);
    m_poll.start();
}

void MprisMediaWatch::stop()
{
    ++m_round;
    m_poll.stop();
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const auto& player : m_players) {
        bus.disconnect(player->owner(), PlayerPath, Properties, QStringLiteral("PropertiesChanged"),
                       this, SLOT(onPropertiesChanged(QDBusMessage)));
        bus.disconnect(player->owner(), PlayerPath, PlayerInterface, QStringLiteral("Seeked"), this,
                       SLOT(onSeeked(QDBusMessage)));
    }
    m_players.clear();
    if (std::exchange(m_listening, false))
        bus.disconnect(Bus, BusPath, Bus, QStringLiteral("NameOwnerChanged"), this,
                       SLOT(onNameOwnerChanged(QString, QString, QString)));
}

MediaWatch::State MprisMediaWatch::state() const
{
    State state;
    if (m_players.empty())
        return state;
    state.finished = true;
    state.remainingMs = 0;
    for (const auto& player : m_players) {
        state.finished = state.finished && player->finished();
        state.paused = state.paused || player->pausedMidItem();
        const auto remaining = player->remainingMs();
        state.remainingMs = remaining && state.remainingMs
                                ? std::optional(std::max(*remaining, *state.remainingMs))
                                : std::nullopt;
    }
    return state;
}

void MprisMediaWatch::onPropertiesChanged(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    FollowedMprisPlayer* player = unfinished(message.service());
    if (!player || arguments.value(0).toString() != PlayerInterface)
        return;
    const QVariantMap values = qdbus_cast<QVariantMap>(arguments.value(1));
    const QStringList invalidated = arguments.value(2).toStringList();
    const bool readAgain = !invalidated.isEmpty() ||
                           std::any_of(values.keyBegin(), values.keyEnd(), [](const QString& key) {
                               return key == QLatin1String("PlaybackStatus") ||
                                      key == QLatin1String("Metadata") ||
                                      key == QLatin1String("Rate");
                           });
    alter([player, &values] { return player->apply(values); });
    // Where the player is now, which it never tells with a change: a pause at the very end is
    // the item's end. The player may have finished meanwhile, or the following stopped.
    if (readAgain && unfinished(message.service()))
        refresh(message.service());
}

void MprisMediaWatch::onSeeked(const QDBusMessage& message)
{
    if (FollowedMprisPlayer* player = unfinished(message.service()))
        alter([player, &message] {
            player->setPosition(message.arguments().value(0).toLongLong());
            return true;
        });
}

void MprisMediaWatch::onNameOwnerChanged(const QString& name, const QString& oldOwner,
                                         const QString& newOwner)
{
    // mpv gives up its name first, and leaves the bus a moment later.
    FollowedMprisPlayer* player = unfinished(oldOwner);
    if (player && newOwner != oldOwner && (name == oldOwner || name == player->name()))
        alter([player] {
            player->leave();
            return true;
        });
}

void MprisMediaWatch::refresh(const QString& owner)
{
    callAsyncForReply(
        QDBusConnection::sessionBus(), getAll(owner), PatienceMs, this,
        [this, owner, round = m_round](const QDBusMessage& reply) {
            FollowedMprisPlayer* player = round == m_round ? unfinished(owner) : nullptr;
            if (player && reply.type() == QDBusMessage::ReplyMessage)
                alter([player, &reply] {
                    return player->apply(qdbus_cast<QVariantMap>(reply.arguments().value(0)));
                });
        });
}

void MprisMediaWatch::poll()
{
    bool any = false;
    for (const auto& player : m_players) {
        if (!player->finished()) {
            any = true;
            refresh(player->owner());
        }
    }
    if (!any)
        m_poll.stop();
}

FollowedMprisPlayer* MprisMediaWatch::unfinished(const QString& owner) const
{
    const auto found = std::find_if(m_players.cbegin(), m_players.cend(), [&owner](const auto& p) {
        return p->owner() == owner && !p->finished();
    });
    return found != m_players.cend() ? found->get() : nullptr;
}

void MprisMediaWatch::alter(const std::function<bool()>& change)
{
    const State before = state();
    const bool told = change();
    const State after = state();
    const bool jumped =
        before.remainingMs.has_value() != after.remainingMs.has_value() ||
        (before.remainingMs && std::abs(*before.remainingMs - *after.remainingMs) > JumpMs);
    if (told || jumped || before.finished != after.finished || before.paused != after.paused)
        emit changed();
}
