#include "SleepRun.h"

#include "Conversions.h"
#include "EndingText.h"
#include "RunArithmetic.h"
#include "RunEnd.h"
#include "RunTrigger.h"
#include "SettingKeys.h"
#include "SleepRunHost.h"
#include "platform/Clock.h"
#include "platform/MediaPlayers.h"
#include "platform/MediaWatch.h"
#include "platform/ScreenLocker.h"
#include "platform/ScreenPower.h"
#include "platform/SessionControl.h"
#include "platform/Shell.h"

#include <QLocale>
#include <QPointer>

#include <algorithm>
#include <limits>

const QString SleepRun::SleepNowCaption = QStringLiteral("Sleep Now!");
const QString SleepRun::StopCaption = QStringLiteral("Stop");

namespace {

constexpr qint64 SleepGapMs = 10'000;    // more than this between two ticks: the machine slept
constexpr qint64 WakeWarningMs = 60'000; // the least warning before an end nobody asked for now
constexpr qint64 ExtensionMs = 10 * 60'000;
constexpr qint64 NotificationStepMs = 10'000; // the notification's countdown moves on this often

int storedNumber(const SleepRunHost& host, QLatin1StringView key, const char* defaultValue)
{
    return Conversions::toInt32Saturated(
        Conversions::numberOf(host.readSetting(key, QString::fromLatin1(defaultValue))));
}

// The Run File's path where the action opens it; the ticks read no other setting.
QString runFileOf(const SleepRunHost& host, qint32 action)
{
    return RunEnd::of(action).means == RunEnd::Means::RunFile
               ? host.readSetting(SettingKey::RunFile, QString())
               : QString();
}

} // namespace

SleepRun::SleepRun(SleepRunHost& host, Services services, QObject* parent)
    : QObject(parent), m_host(host), m_clock(services.clock), m_session(services.session),
      m_shell(services.shell), m_players(services.players), m_locker(services.locker),
      m_screens(services.screens), m_idle(services.idle), m_media(services.media),
      m_programs(services.programs)
{
    // The timers are the window's, found under their names beneath it.
    for (QTimer* timer : {&m_timCheckEnd, &m_timer1, &m_timer3})
        timer->setParent(this);
    m_timCheckEnd.setObjectName(QStringLiteral("timCheckEnd"));
    m_timCheckEnd.setInterval(2000);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(5000);
    m_timer3.setObjectName(QStringLiteral("Timer3"));
    m_timer3.setInterval(65530);
    connect(&m_timCheckEnd, &QTimer::timeout, this, &SleepRun::timCheckEnd_Timer);
    connect(&m_timer1, &QTimer::timeout, this, &SleepRun::Timer1_Timer);
    connect(&m_timer3, &QTimer::timeout, this, &SleepRun::Timer3_Timer);
    // The media's end is met at once, not at the next tick: the next item must not play on.
    connect(&m_media, &MediaWatch::changed, this, [this] {
        if (m_host.restzCaption() != StopCaption)
            return;
        const double now = double(m_clock.milliseconds());
        meetUnforeseen(now);
        follow(now);
    });
}

SleepRun::~SleepRun() = default;

void SleepRun::cmdRestz_Click()
{
    // The run's length is worked out on every click, whatever the caption says.
    state.ScheduleMode = storedNumber(m_host, SettingKey::Schedule, "0");
    std::unique_ptr<RunTrigger> trigger = RunTrigger::forKind(
        state.ScheduleMode, {m_host, m_clock, state, m_idle, m_media, m_programs},
        {m_arming == Arming::Again ? m_lastEnd.addDays(1) : QDate()});
    QString refusal;
    const std::optional<double> minutes = trigger->minutes(&refusal);
    if (m_host.restzCaption() != SleepNowCaption) {
        disarm();
        return;
    }
    if (!refusal.isEmpty())
        m_host.reportFailure(refusal, QString());
    if (!minutes)
        return;
    if (m_trigger)
        m_trigger->stop();
    m_trigger = std::move(trigger);
    arm(*minutes);
}

void SleepRun::armAtStartUp()
{
    m_arming = Arming::AtStartUp;
    cmdRestz_Click();
    m_arming = Arming::ByHand;
}

void SleepRun::arm(double minutes)
{
    state.SleepMinutes = minutes;
    m_host.setVolumePollEnabled(false);
    state.DiminStep = RunArithmetic::fadeStep(m_host.volumeValue(), minutes);
    state.StartTick = double(m_clock.milliseconds());
    state.EndTick = minutes * 60 * 1000 + state.StartTick;
    state.SleepSpanMs = state.EndTick - state.StartTick;
    m_timCheckEnd.start();
    m_timer1.start();
    m_host.setRestzCaption(StopCaption);

    m_warningLeadMs = 1000LL * std::max(0, storedNumber(m_host, SettingKey::WarnSeconds, "60"));
    m_warned = false;
    m_deadline.reset();
    m_lastTick = state.StartTick;
    m_doubts.clear();
    // Whoever has just logged on, or finds a daily run armed again in its minute, gets the
    // warning's full time before the end.
    if (m_arming != Arming::ByHand)
        holdBack(state.StartTick);
    checkAction();
    QPointer<SleepRun> alive(this);
    m_trigger->start([this, alive](const RunTrigger::Start& found) {
        if (!alive || m_host.restzCaption() != StopCaption)
            return;
        if (!found.refusal.isEmpty()) {
            cmdRestz_Click();
            m_host.reportFailure(found.refusal, QString());
        } else if (!found.note.isEmpty()) {
            addDoubt(found.note);
        }
    });
    if (m_host.restzCaption() != StopCaption)
        return;
    follow(state.StartTick);
    m_host.setTimeLeft(remainingMs(state.StartTick));
}

void SleepRun::checkAction()
{
    const RunEnd& end = RunEnd::of(state.ActionIndex);
    m_noScreenPower = false;
    QPointer<SleepRun> alive(this);
    const auto stillArmed = [this, alive] { return alive && m_host.restzCaption() == StopCaption; };
    if (end.means == RunEnd::Means::ScreenOff) {
        m_screens.findWay([this, stillArmed](bool found) {
            if (!stillArmed() || found)
                return;
            m_noScreenPower = true;
            addDoubt(EndingText::noScreenPower());
        });
    }
    if (!end.check)
        return; // nothing to ask of the machine
    const SessionControl::Ability ability = *end.check;
    m_session.check(ability, [this, stillArmed, ability](const SessionControl::Outlook& outlook) {
        if (!stillArmed())
            return;
        if (const QString doubt = EndingText::doubt(ability, outlook); !doubt.isEmpty())
            addDoubt(doubt);
    });
}

void SleepRun::addDoubt(const QString& text)
{
    m_doubts << text;
    m_host.setDoubt(m_doubts.join(QStringLiteral("\n\n")));
}

void SleepRun::disarm()
{
    m_timCheckEnd.stop();
    m_timer1.stop();
    if (m_trigger)
        m_trigger->stop();
    m_host.setRestzCaption(SleepNowCaption);
    m_host.setProgressX2(state.LineFullX2);
    m_host.setTimeLeft(std::nullopt);
    m_host.setVolumePollEnabled(true);
    m_host.closeWarning();
    m_doubts.clear();
    m_host.setDoubt(QString());
    m_warned = false;
    m_plan.clear();
    m_host.setPlan(m_plan, tr("Stopped"));
}

void SleepRun::timCheckEnd_Timer()
{
    if (state.DiminFlag == 1 && m_trigger->fading()) {
        const qint64 faded = qint64(m_host.volumeValue()) - state.DiminStep;
        m_host.setVolumeValue(int(std::max<qint64>(faded, m_host.volumeBottom())));
    }
    const double now = double(m_clock.milliseconds());
    RunTrigger::Change change = m_trigger->follow(now);

    // After a jump rather than time running out (the machine slept, the clock was put forward),
    // whoever is there gets the warning's full time before the end, however often it happens. A
    // time the user or the media moved is no jump.
    const double elapsed = now - m_lastTick;
    const qint64 remaining = remainingMs(now).value_or(std::numeric_limits<qint64>::max());
    const bool jumped = elapsed > SleepGapMs ||
                        (change == RunTrigger::Change::None &&
                         double(m_lastRemainingMs) - double(remaining) > elapsed + SleepGapMs);
    m_lastTick = now;
    if (jumped) {
        if (const RunTrigger::Change woke = m_trigger->woke(now); woke != RunTrigger::Change::None)
            change = woke;
        holdBack(now);
    }
    if (change == RunTrigger::Change::StartedAgain)
        startAgain(now);
    else if (change == RunTrigger::Change::EndMoved)
        endMoved(now);

    const std::optional<double> done = m_trigger->fractionDone(now);
    m_host.setProgressX2(
        RunArithmetic::progressX2(state.LineFullX2, state.LineLength, done.value_or(0)));
    m_host.setTimeLeft(remainingMs(now));

    meetUnforeseen(now);
    if (hasEnded(now))
        endRun();
    else
        follow(now);
}

void SleepRun::meetUnforeseen(double now)
{
    // A moment nobody could see coming (the media's end, a program's exit): the players pause
    // at once, and the action waits until the warning has stood its time.
    if (m_deadline || m_trigger->foreseen() || !m_trigger->reached(now))
        return;
    const double warningStands = (m_warned ? m_warnedAt : now) + double(m_warningLeadMs);
    m_deadline = std::max({now, warningStands, now + double(m_trigger->afterwardsMs())});
    m_players.pausePlaying([] {});
}

void SleepRun::startAgain(double)
{
    // The user is back: the warning goes and the faded volume comes back.
    m_deadline.reset();
    if (m_warned) {
        m_host.closeWarning();
        m_warned = false;
    }
    if (state.DiminFlag == 1)
        m_host.restoreVolume(m_host.currentVolume());
}

void SleepRun::endMoved(double now)
{
    // The user's new time holds over an end put off after a jump; the fade reaches silence at
    // the new end, and a warning shows only when that end is near.
    m_deadline.reset();
    const std::optional<qint64> remaining = remainingMs(now);
    if (remaining && *remaining > 0)
        state.DiminStep = RunArithmetic::fadeStep(m_host.volumeValue(), *remaining / 60'000.0);
    if (m_warned && remaining.value_or(0) > m_warningLeadMs) {
        m_host.closeWarning();
        m_warned = false;
    }
}

void SleepRun::holdBack(double now)
{
    const qint64 least = std::max(m_warningLeadMs, WakeWarningMs);
    const std::optional<qint64> remaining = remainingMs(now);
    if (!remaining || *remaining >= least)
        return;
    m_warningLeadMs = least;
    m_deadline = now + double(least);
    m_warned = false; // shown again, to whoever is there now
}

std::optional<qint64> SleepRun::remainingMs(double now) const
{
    if (m_deadline)
        return qint64(*m_deadline - now);
    return m_trigger->remainingMs(now);
}

void SleepRun::follow(double now)
{
    const std::optional<qint64> remaining = remainingMs(now);
    m_lastRemainingMs = remaining.value_or(std::numeric_limits<qint64>::max());
    if (remaining && !m_warned && *remaining <= m_warningLeadMs) {
        m_warned = true;
        m_warnedAt = now;
        m_warningToldMs = *remaining;
        m_host.showWarning();
    } else if (remaining && m_warned && m_warningToldMs - *remaining >= NotificationStepMs) {
        m_warningToldMs = *remaining;
        m_host.refreshWarning();
    }
    if (!remaining && m_trigger->foreseen())
        return; // a clock time the clock never shows
    const QString doing =
        EndingText::doing(state.ActionIndex, runFileOf(m_host, state.ActionIndex));
    const auto plan = [&](bool spoken) {
        return m_deadline ? EndingText::at(doing, m_clock.localNow(), *remaining, spoken)
                          : m_trigger->plan(doing, remaining, spoken);
    };
    if (const QString tip = plan(false); tip != m_plan)
        m_host.setPlan(m_plan = tip, plan(true));
}

QString SleepRun::warningText() const
{
    const double now = double(m_clock.milliseconds());
    const qint64 remaining = remainingMs(now).value_or(0);
    if (m_noScreenPower && RunEnd::of(state.ActionIndex).means == RunEnd::Means::ScreenOff)
        return EndingText::noScreenPowerWarning(remaining);
    return EndingText::warning(state.ActionIndex, runFileOf(m_host, state.ActionIndex), remaining);
}

void SleepRun::cancel()
{
    if (m_host.restzCaption() == StopCaption)
        cmdRestz_Click();
}

void SleepRun::extend()
{
    if (m_host.restzCaption() != StopCaption)
        return;
    if (m_deadline)
        *m_deadline += ExtensionMs;
    else
        m_trigger->extend(ExtensionMs);
    state.SleepSpanMs += ExtensionMs;
    // The fade spreads what is left of the volume over what is left of the run.
    const double now = double(m_clock.milliseconds());
    if (const auto remaining = remainingMs(now); remaining && *remaining > 0)
        state.DiminStep = RunArithmetic::fadeStep(m_host.volumeValue(), *remaining / 60'000.0);
    m_host.closeWarning();
    m_warned = false;
    follow(now);
}

bool SleepRun::hasEnded(double now) const
{
    if (m_deadline)
        return now > *m_deadline;
    return m_trigger->foreseen() && m_trigger->reached(now);
}

void SleepRun::endRun()
{
    m_lastEnd = m_clock.localNow().date();
    cmdRestz_Click(); // the run is over: back to idle before anything else happens
    state.ActionIndex = storedNumber(m_host, SettingKey::ShutDown, "1");
    // Taken now: while the players are asked, the volume poll (back on when idle) would
    // overwrite it with the faded volume.
    const Mixer::Reading volume = m_host.currentVolume();
    // Players stop before the volume comes back up, and keep their place across a power-off.
    // Pausing them is all a run that cannot turn the screens off does.
    const RunEnd& end = RunEnd::of(state.ActionIndex);
    const bool onlyPauses =
        end.alwaysPauses || (end.means == RunEnd::Means::ScreenOff && m_noScreenPower);
    if (!onlyPauses && storedNumber(m_host, SettingKey::PausePlayers, "1") != 1) {
        act(volume);
        return;
    }
    QPointer<SleepRun> alive(this);
    m_players.pausePlaying([this, alive, volume] {
        if (alive)
            act(volume);
    });
}

void SleepRun::act(const Mixer::Reading& volume)
{
    m_host.restoreVolume(volume);
    const RunEnd& end = RunEnd::of(state.ActionIndex);
    if (end.means == RunEnd::Means::ExitRequest) {
        requestExit();
        return;
    }
    if (state.BlackScreenFlag == 1)
        m_host.closeBlackScreen();
    switch (end.means) {
    case RunEnd::Means::RunFile:
        openRunFile();
        break;
    case RunEnd::Means::Suspend:
    case RunEnd::Means::Hibernate:
        // The run is over already: it cannot end again when the machine wakes.
        m_session.sleep(*end.check, tellRefusal());
        break;
    case RunEnd::Means::Lock:
        m_locker.lock(tellRefusal());
        break;
    case RunEnd::Means::ScreenOff:
        // Where there is no way, the run ends as Pause Only does: the user was told at arming.
        if (!m_noScreenPower)
            m_screens.turnOff(tellRefusal());
        break;
    case RunEnd::Means::ExitRequest:
    case RunEnd::Means::PauseOnly:
        break;
    }
    if (end.stays && m_trigger->repeatsDaily() &&
        storedNumber(m_host, SettingKey::RunDaily, "0") == 1)
        m_timer3.start();
}

SessionControl::Completion SleepRun::tellRefusal()
{
    QPointer<SleepRun> alive(this);
    return [this, alive, action = state.ActionIndex](const SessionControl::Result& result) {
        if (alive && !result.accepted)
            m_host.reportFailure(EndingText::refusal(action), EndingText::briefly(result.error));
    };
}

void SleepRun::requestExit()
{
    const quint32 flags = RunArithmetic::exitFlags(state.ActionIndex);
    m_session.enableShutdownPrivilege();
    // The window goes on answering meanwhile. A refused request must not look like success:
    // the program stays, idle, and says why.
    QPointer<SleepRun> alive(this);
    m_session.requestExit(flags, [this, alive, action = state.ActionIndex](
                                     const SessionControl::Result& result) {
        if (!alive)
            return;
        if (result.accepted)
            m_host.unloadAndEnd();
        else
            m_host.reportFailure(EndingText::refusal(action), EndingText::briefly(result.error));
    });
}

void SleepRun::openRunFile()
{
    const QString path = m_host.readSetting(SettingKey::RunFile, QString());
    QPointer<SleepRun> alive(this);
    m_shell.openPath(path, [this, alive, path](const Shell::Result& result) {
        if (!alive || result.opened)
            return;
        const QString text = path.isEmpty() ? tr("Run File has no file to open.")
                                            : tr("Run File could not open \"%1\".").arg(path);
        m_host.reportFailure(text, EndingText::briefly(result.error));
    });
}

void SleepRun::Timer1_Timer()
{
    // Switched off for the rest of the run when the option is off; the next run starts it.
    if (state.BlackScreenFlag == 0) {
        m_timer1.stop();
        return;
    }
    if (!state.BlackScreenShown && !m_warned) // the warning stays above everything
        m_host.showBlackScreen();
}

void SleepRun::Timer3_Timer()
{
    m_timer3.stop();
    if (m_host.restzCaption() != SleepNowCaption)
        return;
    m_arming = Arming::Again;
    cmdRestz_Click();
    m_arming = Arming::ByHand;
}
