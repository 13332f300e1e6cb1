#pragma once

#include <QtGlobal>

// What the operating-system services tell the user when something cannot be done, in the
// program's words. They travel in English as the services' answers do, and are put into the
// user's language where a message shows them (context "Platform").
namespace PlatformTexts {
inline constexpr const char* NoBus =
    QT_TRANSLATE_NOOP("Platform", "The system bus is not available.");
inline constexpr const char* NoSession =
    QT_TRANSLATE_NOOP("Platform", "The session service knows no session of this user.");
inline constexpr const char* NoAnswer =
    QT_TRANSLATE_NOOP("Platform", "The session service gave no answer.");
inline constexpr const char* NoLocker = QT_TRANSLATE_NOOP("Platform", "No screen locker answered.");
inline constexpr const char* NoScreenPower =
    QT_TRANSLATE_NOOP("Platform", "This desktop offers no way to turn the screens off.");
inline constexpr const char* NoProgramForFile =
    QT_TRANSLATE_NOOP("Platform", "No program is set up to open this kind of file.");
inline constexpr const char* NoProgramForLink =
    QT_TRANSLATE_NOOP("Platform", "No program is set up to open this kind of link.");
inline constexpr const char* NoFile = QT_TRANSLATE_NOOP("Platform", "No file was chosen.");
inline constexpr const char* FileMissing =
    QT_TRANSLATE_NOOP("Platform", "The file does not exist.");
inline constexpr const char* NotALink =
    QT_TRANSLATE_NOOP("Platform", "This is not a web or mail address.");

inline constexpr const char* All[] = {NoBus,         NoSession,        NoAnswer,         NoLocker,
                                      NoScreenPower, NoProgramForFile, NoProgramForLink, NoFile,
                                      FileMissing,   NotALink};
} // namespace PlatformTexts
