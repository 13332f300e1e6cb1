#pragma once

#include "engine/SettingKeys.h"

#include <QString>

#include <functional>

// The per-user store of the options: text values in the section "Config" of
// $XDG_CONFIG_HOME/<name>/<name>.ini, where <name> is the running program file's name without
// its extension, looked up at every access (a renamed copy keeps settings of its own).
// There is no cache: every write is on disk before it returns, and every read sees it.
class SettingsStore
{
public:
    using ProgramFileSource = std::function<QString()>;

    // programFile tells the path of the running program file; by default the real one.
    explicit SettingsStore(ProgramFileSource programFile = {});

    // The stored text, or defaultValue when the key is absent (a present empty text is
    // returned as it is). Reading never creates a key.
    QString ReadSetting(QLatin1StringView key, const QString& defaultValue) const;

    // Stores the text and syncs it to disk; false (and a warning) when it could not be written.
    // A text already stored as it is leaves the file untouched.
    bool WriteSetting(QLatin1StringView key, const QString& value) const;

    // The stored value read by the number rule and rounded; a value beyond the 32-bit range is
    // held at its end.
    qint32 ReadNumber(QLatin1StringView key, const QString& defaultValue) const;
    bool WriteNumber(QLatin1StringView key, qint64 value) const;

    QString filePath() const;

private:
    ProgramFileSource m_programFile;
};
