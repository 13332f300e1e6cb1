#pragma once

#include <QLatin1StringView>

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
inline constexpr QLatin1StringView WarnSeconds{"WarnSeconds"};
inline constexpr QLatin1StringView PausePlayers{"PausePlayers"};
inline constexpr QLatin1StringView IdleMinutes{"IdleMinutes"};
inline constexpr QLatin1StringView WatchProgram{"WatchProgram"};
} // namespace SettingKey
