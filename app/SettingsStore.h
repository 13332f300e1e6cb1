#pragma once

#include <QString>

#include <functional>

// The names under which the options are stored.
namespace SettingKey {
inline constexpr QLatin1StringView SHour{"SHour"};
inline constexpr QLatin1StringView SMinute{"SMinute"};
inline constexpr QLatin1StringView SetTime{"SetTime"};
inline constexpr QLatin1StringView ShutDown{"ShutDown"};
inline constexpr QLatin1StringView Schedule{"Schedule"};
inline constexpr QLatin1StringView BlackScreen{"BlackScreen"};
inline constexpr QLatin1StringView Dimin{"Dimin"};
inline constexpr QLatin1StringView AutoStart{"AutoStart"};
inline constexpr QLatin1StringView MinOnStart{"MinOnStart"};
inline constexpr QLatin1StringView RunDaily{"RunDaily"};
inline constexpr QLatin1StringView PosX{"PosX"};
inline constexpr QLatin1StringView PosY{"PosY"};
inline constexpr QLatin1StringView RunFile{"RunFile"};
} // namespace SettingKey

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
    bool WriteSetting(QLatin1StringView key, const QString& value) const;

    // The stored value read by the number rule and rounded; a value beyond the 32-bit range is
    // held at its end.
    qint32 ReadNumber(QLatin1StringView key, const QString& defaultValue) const;
    bool WriteNumber(QLatin1StringView key, qint64 value) const;

    QString filePath() const;

private:
    ProgramFileSource m_programFile;
};
