#pragma once

#include "platform/AutostartStore.h"

// The desktop entry in $XDG_CONFIG_HOME/autostart that every freedesktop desktop reads at logon.
class XdgAutostartStore final : public AutostartStore
{
public:
    bool writeEntry(const QString& programFolder, bool enabled) override;

    static QString entryPath();
    // The Exec value, as written in the file, that starts the program in programFolder.
    static QString execValue(const QString& programFolder);
};
