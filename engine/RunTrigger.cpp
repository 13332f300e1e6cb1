#include "RunTrigger.h"

#include "ClockTimeTrigger.h"
#include "CountdownTrigger.h"
#include "IdleTrigger.h"
#include "MediaEndTrigger.h"
#include "ProgramExitTrigger.h"

std::unique_ptr<RunTrigger> RunTrigger::forKind(int kind, const Services& services,
                                                const Arming& arming)
{
    switch (kind) {
    case 0:
        return std::make_unique<CountdownTrigger>(services);
    case 2:
        return std::make_unique<IdleTrigger>(services);
    case 3:
        return std::make_unique<MediaEndTrigger>(services);
    case 4:
        return std::make_unique<ProgramExitTrigger>(services);
    default:
        return std::make_unique<ClockTimeTrigger>(services, arming);
    }
}

RunTrigger::Change RunTrigger::follow(double)
{
    return Change::None;
}

RunTrigger::Change RunTrigger::woke(double)
{
    return Change::None;
}
