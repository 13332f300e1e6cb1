#include "SleepRun.h"

#include "Conversions.h"
#include "RunArithmetic.h"
#include "SettingKeys.h"
#include "SleepRunHost.h"
#include "platform/Clock.h"
#include "platform/SessionControl.h"
#include "platform/Shell.h"

#include <QPointer>

#include <algorithm>

const QString SleepRun::SleepNowCaption = QStringLiteral("Sleep Now!");
const QString SleepRun::StopCaption = QStringLiteral("Stop");

namespace {

int storedNumber(const SleepRunHost& host, QLatin1StringView key, const char* defaultValue)
{
    return Conversions::toInt32Saturated(
        Conversions::numberOf(host.readSetting(key, QString::fromLatin1(defaultValue))));
}

// What to tell the user when the exit request of these flags was refused.
QString refusalText(quint32 flags)
{
    if (flags & SessionControl::RebootFlag)
        return SleepRun::tr("The computer could not be restarted.");
    if (flags & (SessionControl::ShutDownFlag | SessionControl::PowerOffFlag))
        return SleepRun::tr("The computer could not be shut down.");
    return SleepRun::tr("The session could not be ended.");
}

} // namespace

SleepRun::SleepRun(SleepRunHost& host, Clock& clock, SessionControl& session, Shell& shell,
                   QObject* parent)
    : QObject(parent), m_host(host), m_clock(clock), m_session(session), m_shell(shell)
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
}

std::optional<double> SleepRun::sleepMinutes()
{
    state.ScheduleMode = storedNumber(m_host, SettingKey::Schedule, "0");
    if (state.ScheduleMode == 0) {
        const double minutes = RunArithmetic::countdownMinutes(m_host.countdownText());
        // A countdown that reads as no time at all is a typing slip, never a request to shut
        // down at once.
        if (minutes == 0)
            return std::nullopt;
        return minutes;
    }
    const QString now = m_clock.timeOfDayText();
    state.NowHour = RunArithmetic::hourOf(now);
    state.NowMinute = RunArithmetic::minuteOf(now);
    const auto minutes =
        RunArithmetic::clockTimeMinutes(now, m_host.hourText(), m_host.minuteText());
    if (!minutes)
        return std::nullopt;
    return double(*minutes);
}

void SleepRun::cmdRestz_Click()
{
    const std::optional<double> minutes = sleepMinutes();
    if (m_host.restzCaption() == SleepNowCaption) {
        if (minutes)
            arm(*minutes);
        return;
    }
    disarm();
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
}

void SleepRun::disarm()
{
    m_timCheckEnd.stop();
    m_timer1.stop();
    m_host.setRestzCaption(SleepNowCaption);
    m_host.setProgressX2(state.LineFullX2);
    m_host.setVolumePollEnabled(true);
}

void SleepRun::timCheckEnd_Timer()
{
    if (state.DiminFlag == 1) {
        const qint64 faded = qint64(m_host.volumeValue()) - state.DiminStep;
        m_host.setVolumeValue(int(std::max<qint64>(faded, m_host.volumeBottom())));
    }
    const double now = double(m_clock.milliseconds());
    const double fraction = RunArithmetic::elapsedFraction(now, state.StartTick, state.SleepSpanMs);
    m_host.setProgressX2(RunArithmetic::progressX2(state.LineFullX2, state.LineLength, fraction));
    if (hasEnded(now))
        endRun();
}

bool SleepRun::hasEnded(double now)
{
    if (state.ScheduleMode == 0)
        return now > state.EndTick;
    // The target is read afresh, so changing it during the run moves the end.
    const QString clock = m_clock.timeOfDayText();
    state.NowHour = RunArithmetic::hourOf(clock);
    state.NowMinute = RunArithmetic::minuteOf(clock);
    const auto atHour = Conversions::toInt32(Conversions::numberOf(m_host.hourText()));
    const auto atMinute = Conversions::toInt32(Conversions::numberOf(m_host.minuteText()));
    if (!atHour || !atMinute)
        return false;
    state.AtHour = *atHour;
    state.AtMinute = *atMinute;
    return state.NowHour == state.AtHour && state.NowMinute == state.AtMinute;
}

void SleepRun::endRun()
{
    cmdRestz_Click(); // the run is over: back to idle before anything else happens
    state.ActionIndex = storedNumber(m_host, SettingKey::ShutDown, "1");
    m_host.setVolumeValue(m_host.currentVolume() / 2);
    if (state.ActionIndex != 3) {
        requestExit();
        return;
    }
    if (state.BlackScreenFlag == 1)
        m_host.closeBlackScreen();
    openRunFile();
    if (state.ScheduleMode != 0 && storedNumber(m_host, SettingKey::RunDaily, "0") == 1)
        m_timer3.start();
}

void SleepRun::requestExit()
{
    const quint32 flags = RunArithmetic::exitFlags(state.ActionIndex);
    m_session.enableShutdownPrivilege();
    const SessionControl::Result result = m_session.requestExit(flags);
    // A refused request must not look like success: the program stays, idle, and says why.
    if (!result.accepted) {
        m_host.reportFailure(refusalText(flags), result.error);
        return;
    }
    m_host.unloadAndEnd();
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
        m_host.reportFailure(text, result.error);
    });
}

void SleepRun::Timer1_Timer()
{
    // Switched off for the rest of the run when the option is off; the next run starts it.
    if (state.BlackScreenFlag == 0) {
        m_timer1.stop();
        return;
    }
    if (!state.BlackScreenShown)
        m_host.showBlackScreen();
}

void SleepRun::Timer3_Timer()
{
    m_timer3.stop();
    if (m_host.restzCaption() == SleepNowCaption)
        cmdRestz_Click();
}
