#include "LogindSessionControl.h"

#include "AsyncDBusCall.h"

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

// For a whole request, however many calls it takes: long enough for a busy logind, short
// enough that a hung bus cannot freeze the program.
constexpr int RequestTimeoutMs = 5000;

// Without a prompt: the request must not wait for a password dialog the user may never see.
constexpr bool Interactive = false;

// How long a screen locker is given to lock the session before its hint is read.
constexpr int LockedHintDelayMs = 2000;

// The bus and the time left for one request.
struct Logind
{
    QDBusConnection bus;
    QDeadlineTimer deadline;

    QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, path, interface, method);
        message.setArguments(arguments);
        const auto timeout = static_cast<int>(qMax<qint64>(1, deadline.remainingTime()));
        return bus.call(message, QDBus::Block, timeout);
    }
};

QString errorText(const QDBusMessage& reply)
{
    if (!reply.errorMessage().isEmpty())
        return reply.errorMessage();
    if (!reply.errorName().isEmpty())
        return reply.errorName();
    return QStringLiteral("The session service gave no answer.");
}

SessionControl::Result callManager(const Logind& logind, const QString& method,
                                   const QVariantList& arguments)
{
    const QDBusMessage reply = logind.call(ManagerPath, ManagerInterface, method, arguments);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {true, {}};
    return {false, errorText(reply)};
}

// A property of a logind object; an invalid value, with the reason in error, if unknown.
QVariant propertyOf(const Logind& logind, const QDBusMessage& pathReply, const QString& interface,
                    const QString& name, QString* error)
{
    if (pathReply.type() != QDBusMessage::ReplyMessage || pathReply.arguments().isEmpty()) {
        *error = errorText(pathReply);
        return {};
    }
    const QString path = pathReply.arguments().constFirst().value<QDBusObjectPath>().path();
    const QDBusMessage value =
        logind.call(path, PropertiesInterface, QStringLiteral("Get"), {interface, name});
    if (value.type() != QDBusMessage::ReplyMessage || value.arguments().isEmpty()) {
        *error = errorText(value);
        return {};
    }
    return value.arguments().constFirst().value<QDBusVariant>().variant();
}

// The session to end, found the way logind itself finds it for a program that the desktop
// started outside the session (in an app scope, as GNOME and KDE Plasma start programs): the
// session "auto", that is the program's own or else the user's display session; else the
// user's display session as the user's record names it; else the one the environment names.
// Empty, with logind's first reason in error, when there is none.
QString sessionToEnd(const Logind& logind, QString* error)
{
    const QString id =
        propertyOf(logind,
                   logind.call(ManagerPath, ManagerInterface, QStringLiteral("GetSession"),
                               {QStringLiteral("auto")}),
                   SessionInterface, QStringLiteral("Id"), error)
            .toString();
    if (!id.isEmpty())
        return id;
    // The process id is 64-bit in Qt, logind takes 32 bits.
    const auto pid = static_cast<quint32>(QCoreApplication::applicationPid());
    QString ignored;
    const QVariant display = propertyOf(
        logind, logind.call(ManagerPath, ManagerInterface, QStringLiteral("GetUserByPID"), {pid}),
        QStringLiteral("org.freedesktop.login1.User"), QStringLiteral("Display"), &ignored);
    // (so): the session's id and object; an empty id when the user has no display session.
    QString displayId;
    if (display.canConvert<QDBusArgument>()) {
        const auto structure = display.value<QDBusArgument>();
        QDBusObjectPath path;
        structure.beginStructure();
        structure >> displayId >> path;
        structure.endStructure();
    }
    if (!displayId.isEmpty())
        return displayId;
    if (error->isEmpty())
        *error = QStringLiteral("The session service knows no session of this user.");
    return qEnvironmentVariable("XDG_SESSION_ID");
}

SessionControl::Result terminateOwnSession(const Logind& logind)
{
    QString error;
    const QString id = sessionToEnd(logind, &error);
    if (id.isEmpty())
        return {false, error};
    return callManager(logind, QStringLiteral("TerminateSession"), {id});
}

} // namespace

LogindSessionControl::LogindSessionControl() = default;

LogindSessionControl::LogindSessionControl(const QDBusConnection& bus) : m_bus(bus) {}

void LogindSessionControl::enableShutdownPrivilege()
{
    // Nothing to do: logind decides for each request whether this user may make it.
}

SessionControl::Result LogindSessionControl::requestExit(quint32 flags)
{
    const Logind logind{bus(), QDeadlineTimer(RequestTimeoutMs)};
    if (!logind.bus.isConnected())
        return {false, QStringLiteral("The system bus is not available.")};

    if (flags & RebootFlag)
        return callManager(logind, QStringLiteral("Reboot"), {Interactive});
    if (flags & (ShutDownFlag | PowerOffFlag))
        return callManager(logind, QStringLiteral("PowerOff"), {Interactive});
    return terminateOwnSession(logind);
}

void LogindSessionControl::check(Ability ability, OutlookCompletion done)
{
    const QDBusConnection logind = bus();
    if (!logind.isConnected()) {
        done({});
        return;
    }
    auto outlook = std::make_shared<Outlook>();
    auto waiting = std::make_shared<int>(2);
    const auto ask = [&](const QString& method, auto read) {
        const QDBusMessage call =
            QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface, method);
        callAsync(logind, call, RequestTimeoutMs, &m_answers, [=](const QVariant& answer) {
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
            if (mode == QLatin1String("block") && what.split(QLatin1Char(':')).contains(blocked))
                into.blockers.append({who, why});
        }
        list.endArray();
    });
}

void LogindSessionControl::sleep(Ability suspendOrHibernate, Completion done)
{
    const QDBusConnection logind = bus();
    if (!logind.isConnected()) {
        done({false, QStringLiteral("The system bus is not available.")});
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                       suspendOrHibernate == Ability::Hibernate
                                                           ? QStringLiteral("Hibernate")
                                                           : QStringLiteral("Suspend"));
    call.setArguments({Interactive});
    // The machine sleeps before logind answers, or while it answers: no time-out counts, and
    // only a refusal is told.
    auto* answer = new QDBusPendingCallWatcher(logind.asyncCall(call, -1), &m_answers);
    QObject::connect(
        answer, &QDBusPendingCallWatcher::finished, &m_answers,
        [done = std::move(done)](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            const QDBusError error = finished->error();
            if (finished->isError() && error.type() != QDBusError::NoReply)
                done({false, error.message().isEmpty() ? error.name() : error.message()});
        });
}

void LogindSessionControl::lockSession(Completion done)
{
    const QDBusConnection logind = bus();
    if (!logind.isConnected()) {
        done({false, QStringLiteral("The system bus is not available.")});
        return;
    }
    QDBusMessage find = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                       QStringLiteral("GetSession"));
    find.setArguments({QStringLiteral("auto")});
    callAsync(
        logind, find, RequestTimeoutMs, &m_answers, [this, logind, done](const QVariant& path) {
            const QString session = path.value<QDBusObjectPath>().path();
            if (session.isEmpty()) {
                done({false, QStringLiteral("The session service knows no session of this user.")});
                return;
            }
            callAsync(logind,
                      QDBusMessage::createMethodCall(Service, session, SessionInterface,
                                                     QStringLiteral("Lock")),
                      RequestTimeoutMs, &m_answers, [](const QVariant&) {});
            // logind only asks the session's screen locker; whether one listened shows in the
            // session's hint a moment later.
            QTimer::singleShot(LockedHintDelayMs, &m_answers, [this, logind, session, done] {
                QDBusMessage hint = QDBusMessage::createMethodCall(
                    Service, session, PropertiesInterface, QStringLiteral("Get"));
                hint.setArguments({SessionInterface, QStringLiteral("LockedHint")});
                callAsync(logind, hint, RequestTimeoutMs, &m_answers,
                          [done](const QVariant& locked) {
                              if (locked.value<QDBusVariant>().variant().toBool())
                                  done({true, {}});
                              else
                                  done({false, QStringLiteral("No screen locker answered.")});
                          });
            });
        });
}
