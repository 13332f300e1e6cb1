#pragma once

#include <QString>

// The entry that makes the desktop start the program at logon.
class AutostartStore
{
public:
    virtual ~AutostartStore() = default;

    // Enabled: the entry starts the program found in programFolder. Disabled: the entry stays
    // but starts nothing. Returns false when the entry could not be written.
    virtual bool writeEntry(const QString& programFolder, bool enabled) = 0;
};
