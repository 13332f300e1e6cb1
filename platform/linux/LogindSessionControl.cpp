#include "LogindSessionControl.h"

#include "AsyncDBusCall.h"
#include "platform/PlatformTexts.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QTimer>

#include <memory>

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString NoBus = QString::fromLatin1(PlatformTexts::NoBus);
const QString NoSession = QString::fromLatin1(PlatformTexts::NoSession);

// For a whole request, however many calls it takes: long enough for a busy logind, short
// enough that the program does not wait for ever for one that hangs.
constexpr int RequestTimeoutMs = 5000;

// Without a prompt: the request must not wait for a password dialog the user may never see.
constexpr bool Interactive = false;

// How long a screen locker is given to lock the session before its hint is read.
constexpr int LockedHintDelayMs = 2000;

QString errorText(const QDBusMessage& reply)
{
    if (!reply.errorMessage().isEmpty())
        return reply.errorMessage();
    if (!reply.errorName().isEmpty())
        return reply.errorName();
    return QString::fromLatin1(PlatformTexts::NoAnswer);
}

bool answered(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

// One request to logind, made of calls that share its time.
struct Logind
{
    QDBusConnection bus;
    QDeadlineTimer deadline;
    QObject* context;

    void call(const QString& path, const QString& interface, const QString& method,
              const QVariantList& arguments,
              const std::function<void(const QDBusMessage&)>& then) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, path, interface, method);
        message.setArguments(arguments);
        const auto timeout = static_cast<int>(qMax<qint64>(1, deadline.remainingTime()));
        callAsyncForReply(bus, message, timeout, context, then);
    }

    void callManager(const QString& method, const QVariantList& arguments,
                     const SessionControl::Completion& done) const
    {
        call(ManagerPath, ManagerInterface, method, arguments, [done](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ReplyMessage)
                done({true, {}});
            else
                done({false, errorText(reply)});
        });
    }

    // A property of the logind object a call answered with; an invalid value and the reason
    // when unknown.
    void property(const QDBusMessage& pathReply, const QString& interface, const QString& name,
                  const std::function<void(const QVariant&, const QString&)>& then) const
    {
        if (!answered(pathReply)) {
            then({}, errorText(pathReply));
            return;
        }
        const QString path = pathReply.arguments().constFirst().value<QDBusObjectPath>().path();
        call(path, PropertiesInterface, QStringLiteral("Get"), {interface, name},
             [then](const QDBusMessage& value) {
                 if (answered(value))
                     then(value.arguments().constFirst().value<QDBusVariant>().variant(), {});
                 else
                     then({}, errorText(value));
             });
    }
};

// The id of a user's display session, from the (so) that names it; empty when there is none.
QString displaySessionId(const QVariant& display)
{
    QString id;
    if (display.canConvert<QDBusArgument>()) {
        const auto structure = display.value<QDBusArgument>();
        QDBusObjectPath path;
        structure.beginStructure();
        structure >> id >> path;
        structure.endStructure();
    }
    return id;
}

using Found = std::function<void(const QString& id, const QString& error)>;

// The user's display session as the user's record names it; else the one the environment names.
void findUsersDisplaySession(const Logind& logind, const QString& firstError, const Found& found)
{
    // The process id is 64-bit in Qt, logind takes 32 bits.
    const auto pid = static_cast<quint32>(QCoreApplication::applicationPid());
    logind.call(ManagerPath, ManagerInterface, QStringLiteral("GetUserByPID"), {pid},
                [=](const QDBusMessage& user) {
                    logind.property(user, QStringLiteral("org.freedesktop.login1.User"),
                                    QStringLiteral("Display"),
                                    [=](const QVariant& display, const QString&) {
                                        const QString id = displaySessionId(display);
                                        if (!id.isEmpty())
                                            found(id, {});
                                        else
                                            found(qEnvironmentVariable("XDG_SESSION_ID"),
                                                  firstError.isEmpty() ? NoSession : firstError);
                                    });
                });
}

// The session to end, found the way logind itself finds it for a program that the desktop
// started outside the session (in an app scope, as GNOME and KDE Plasma start programs): the
// session "auto", that is the program's own or else the user's display session; else the
// user's display session. Empty, with logind's first reason, when there is none.
void findSessionToEnd(const Logind& logind, const Found& found)
{
    logind.call(ManagerPath, ManagerInterface, QStringLiteral("GetSession"),
                {QStringLiteral("auto")}, [=](const QDBusMessage& session) {
                    logind.property(session, SessionInterface, QStringLiteral("Id"),
                                    [=](const QVariant& id, const QString& error) {
                                        if (!id.toString().isEmpty())
                                            found(id.toString(), {});
                                        else
                                            findUsersDisplaySession(logind, error, found);
                                    });
                });
}

// Whether the session is locked by now: done hears it.
void readLockedHint(const Logind& logind, const QString& session,
                    const SessionControl::Completion& done)
{
    logind.call(session, PropertiesInterface, QStringLiteral("Get"),
                {SessionInterface, QStringLiteral("LockedHint")}, [done](const QDBusMessage& hint) {
                    if (answered(hint) &&
                        hint.arguments().constFirst().value<QDBusVariant>().variant().toBool())
                        done({true, {}});
                    else
                        done({false, QString::fromLatin1(PlatformTexts::NoLocker)});
                });
}

} // namespace

void LogindSessionControl::enableShutdownPrivilege()
{
    // Nothing to do: logind decides for each request whether this user may make it.
}

void LogindSessionControl::requestExit(quint32 flags, Completion done)
{
    const QDeadlineTimer deadline(RequestTimeoutMs);
    m_bus.use(
        [this, flags, deadline, done = std::move(done)](const QDBusConnection& bus) {
            if (!bus.isConnected()) {
                done({false, NoBus});
                return;
            }
            const Logind logind{bus, deadline, m_bus.context()};
            if (flags & RebootFlag) {
                logind.callManager(QStringLiteral("Reboot"), {Interactive}, done);
            } else if (flags & (ShutDownFlag | PowerOffFlag)) {
                logind.callManager(QStringLiteral("PowerOff"), {Interactive}, done);
            } else {
                findSessionToEnd(logind, [logind, done](const QString& id, const QString& error) {
                    if (id.isEmpty())
                        done({false, error});
                    else
                        logind.callManager(QStringLiteral("TerminateSession"), {id}, done);
                });
            }
        },
        RequestTimeoutMs);
}

void LogindSessionControl::check(Ability ability, OutlookCompletion done)
{
    m_bus.use(
        [this, ability, done = std::move(done)](const QDBusConnection& logind) {
            if (!logind.isConnected()) {
                done({});
                return;
            }
            auto outlook = std::make_shared<Outlook>();
            auto waiting = std::make_shared<int>(2);
            const auto ask = [&](const QString& method, auto read) {
                const QDBusMessage call =
                    QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface, method);
                callAsync(logind, call, RequestTimeoutMs, m_bus.context(),
                          [=](const QVariant& answer) {
                              if (answer.isValid())
                                  read(answer, *outlook);
                              if (--*waiting == 0)
                                  done(*outlook);
                          });
            };
            const char* asked[] = {"CanPowerOff", "CanReboot", "CanSuspend", "CanHibernate"};
            ask(QLatin1StringView(asked[int(ability)]),
                [](const QVariant& answer, Outlook& into) { into.allowed = answer.toString(); });
            // Who blocks it now: a(ssssuu) of what, who, why, mode, user, process.
            const QString blocked = ability == Ability::PowerOff || ability == Ability::Reboot
                                        ? QStringLiteral("shutdown")
                                        : QStringLiteral("sleep");
            ask(QStringLiteral("ListInhibitors"), [blocked](const QVariant& answer, Outlook& into) {
                const auto list = answer.value<QDBusArgument>();
                list.beginArray();
                while (!list.atEnd()) {
                    QString what, who, why, mode;
                    uint user = 0, process = 0;
                    list.beginStructure();
                    list >> what >> who >> why >> mode >> user >> process;
                    list.endStructure();
                    if (mode == QLatin1String("block") &&
                        what.split(QLatin1Char(':')).contains(blocked))
                        into.blockers.append({who, why});
                }
                list.endArray();
            });
        },
        RequestTimeoutMs);
}

void LogindSessionControl::sleep(Ability suspendOrHibernate, Completion done)
{
    m_bus.use(
        [this, suspendOrHibernate, done = std::move(done)](const QDBusConnection& logind) {
            if (!logind.isConnected()) {
                done({false, NoBus});
                return;
            }
            QDBusMessage call = QDBusMessage::createMethodCall(
                Service, ManagerPath, ManagerInterface,
                suspendOrHibernate == Ability::Hibernate ? QStringLiteral("Hibernate")
                                                         : QStringLiteral("Suspend"));
            call.setArguments({Interactive});
            // The machine sleeps before logind answers, or while it answers: no time-out counts,
            // and only a refusal is told.
            callAsyncForReply(logind, call, -1, m_bus.context(), [done](const QDBusMessage& reply) {
                if (reply.type() == QDBusMessage::ErrorMessage &&
                    reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.NoReply"))
                    done({false, errorText(reply)});
            });
        },
        RequestTimeoutMs);
}

void LogindSessionControl::lockSession(Completion done)
{
    m_bus.use(
        [this, done = std::move(done)](const QDBusConnection& bus) {
            if (!bus.isConnected()) {
                done({false, NoBus});
                return;
            }
            const Logind logind{bus, QDeadlineTimer(RequestTimeoutMs), m_bus.context()};
            logind.call(ManagerPath, ManagerInterface, QStringLiteral("GetSession"),
                        {QStringLiteral("auto")}, [this, bus, done](const QDBusMessage& found) {
                            if (!answered(found)) {
                                done({false, NoSession});
                                return;
                            }
                            const QString session =
                                found.arguments().constFirst().value<QDBusObjectPath>().path();
                            Logind{bus, QDeadlineTimer(RequestTimeoutMs), m_bus.context()}.call(
                                session, SessionInterface, QStringLiteral("Lock"), {},
                                [](const QDBusMessage&) {});
                            // logind only asks the session's screen locker; whether one listened
                            // shows in the session's hint a moment later.
                            QTimer::singleShot(
                                LockedHintDelayMs, m_bus.context(), [this, bus, session, done] {
                                    readLockedHint(
                                        {bus, QDeadlineTimer(RequestTimeoutMs), m_bus.context()},
                                        session, done);
                                });
                        });
        },
        RequestTimeoutMs);
}
