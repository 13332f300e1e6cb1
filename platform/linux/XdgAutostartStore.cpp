#include "XdgAutostartStore.h"

#include "ProgramInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The program file's name is fixed, whatever the running file is called.
const QString ProgramFile = QStringLiteral("somnivo");

// An argument holding one of these must be quoted on the Exec line.
bool needsQuotes(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar character : argument) {
        if (reserved.contains(character))
            return true;
    }
    return false;
}

} // namespace

QString XdgAutostartStore::entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/SomnivoAutoStart.desktop");
}

QString XdgAutostartStore::execValue(const QString& programFolder)
{
    const QString argument = QDir(programFolder).filePath(ProgramFile);
    QString command;
    if (needsQuotes(argument)) {
        command = QLatin1Char('"');
        for (const QChar character : argument) {
            if (QStringLiteral("\"`$\\").contains(character))
                command += QLatin1Char('\\');
            command += character;
        }
        command += QLatin1Char('"');
    } else {
        command = argument;
    }
    // The string escapes of the file format come on top of the command line's quoting.
    QString value;
    for (const QChar character : command) {
        switch (character.unicode()) {
        case '\\':
            value += QStringLiteral("\\\\");
            break;
        case '\n':
            value += QStringLiteral("\\n");
            break;
        case '\t':
            value += QStringLiteral("\\t");
            break;
        case '\r':
            value += QStringLiteral("\\r");
            break;
        case '%': // a lone one would start a field code
            value += QStringLiteral("%%");
            break;
        default:
            value += character;
        }
    }
    return value;
}

bool XdgAutostartStore::writeEntry(const QString& programFolder, bool enabled)
{
    const QString path = entryPath();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    // A disabled entry stays: Hidden=true also hides an entry of the same name that the system's
    // autostart folders may hold.
    // The icon and the window class tie the entry to the installed menu entry and its windows.
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=%1\n"
                       "Icon=%2\n"
                       "StartupWMClass=%1\n"
                       "Exec=%3\n"
                       "Hidden=%4\n")
            .arg(QString::fromUtf8(ProgramInfo::Title), QString::fromUtf8(ProgramInfo::AppId),
                 enabled ? execValue(programFolder) : QString(),
                 enabled ? QStringLiteral("false") : QStringLiteral("true"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}
