#pragma once

#include "platform/AutostartStore.h"

#include <QList>
#include <QPair>

// Records every entry written: the program folder and whether it was enabled.
class FakeAutostartStore final : public AutostartStore
{
public:
    bool writeEntry(const QString& programFolder, bool enabled) override
    {
        entries.append({programFolder, enabled});
        return true;
    }

    QList<QPair<QString, bool>> entries;
};
