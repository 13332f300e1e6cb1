#include "ProgramExitTrigger.h"

#include "EndingText.h"
#include "SleepRunHost.h"
#include "platform/ProcessWatch.h"

#include <QCoreApplication>

ProgramExitTrigger::~ProgramExitTrigger()
{
    stop();
}

std::optional<double> ProgramExitTrigger::minutes(QString* refusal)
{
    m_program = m_services.host.programText().trimmed();
    if (m_program.isEmpty()) {
        *refusal = QCoreApplication::translate("SleepRun", "Choose the program to wait for.");
        return std::nullopt;
    }
    return 0.0;
}

void ProgramExitTrigger::start(std::function<void(const Start&)> ready)
{
    m_following = true;
    if (m_services.programs.follow(m_program) == 0)
        ready({QCoreApplication::translate("SleepRun", "'%1' is not running.").arg(m_program), {}});
    else
        ready({});
}

void ProgramExitTrigger::stop()
{
    if (std::exchange(m_following, false))
        m_services.programs.stop();
}

bool ProgramExitTrigger::reached(double) const
{
    return m_services.programs.allExited();
}

QString ProgramExitTrigger::plan(const QString& doing, std::optional<qint64>, bool) const
{
    return EndingText::whenProgramExits(doing, m_program);
}
