#include "MprisMediaPlayers.h"

#include "AsyncDBusCall.h"

#include <QDBusVariant>
#include <QTimer>

#include <memory>

namespace {

const QString PlayerPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr int PatienceMs = 1000;

} // namespace

void MprisMediaPlayers::pausePlaying(std::function<void()> done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        done();
        return;
    }
    // Whichever comes first: every player has answered, or the patience is up.
    struct Pass
    {
        std::function<void()> done;
        int waiting = 1;
        void answered()
        {
            if (--waiting == 0 && done)
                std::exchange(done, nullptr)();
        }
    };
    auto pass = std::make_shared<Pass>(Pass{std::move(done)});
    QTimer::singleShot(PatienceMs, this, [pass] {
        if (pass->done)
            std::exchange(pass->done, nullptr)();
    });
    const auto ask = [this, bus](const QDBusMessage& call, auto then) {
        callAsync(bus, call, PatienceMs, this, then);
    };
    const QString dbus = QStringLiteral("org.freedesktop.DBus");
    ask(QDBusMessage::createMethodCall(dbus, QStringLiteral("/org/freedesktop/DBus"), dbus,
                                       QStringLiteral("ListNames")),
        [pass, ask](const QVariant& names) {
            for (const QString& name : names.toStringList()) {
                if (!name.startsWith(QLatin1String("org.mpris.MediaPlayer2.")))
                    continue;
                ++pass->waiting;
                QDBusMessage status = QDBusMessage::createMethodCall(
                    name, PlayerPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("Get"));
                status.setArguments({PlayerInterface, QStringLiteral("PlaybackStatus")});
                ask(status, [pass, ask, name](const QVariant& answer) {
                    if (answer.value<QDBusVariant>().variant().toString() !=
                        QLatin1String("Playing"))
                        return pass->answered();
                    ask(QDBusMessage::createMethodCall(name, PlayerPath, PlayerInterface,
                                                       QStringLiteral("Pause")),
                        [pass](const QVariant&) { pass->answered(); });
                });
            }
            pass->answered();
        });
}
