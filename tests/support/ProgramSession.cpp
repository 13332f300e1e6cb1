#include "ProgramSession.h"

#include <QFile>

const QString ProgramSession::MainTitle = QStringLiteral("Somnivo - Auto Shutdown Timer ");

ProgramSession::ProgramSession(VirtualDisplay::WindowManager manager, VirtualDisplay::Root root)
    : display(manager, root)
{
    if (!sound.pointsHere())
        qFatal("Refusing to run: the sound environment is not the test's own.");
}

bool ProgramSession::startSound(std::optional<int> rawVolume)
{
    return sound.start() && (!rawVolume || sound.setRawVolume(*rawVolume));
}

void ProgramSession::store(
    std::initializer_list<std::pair<QLatin1StringView, QString>> options) const
{
    for (const auto& [key, value] : options)
        settings.WriteSetting(key, value);
}

bool ProgramSession::launch(const QList<std::pair<QString, QString>>& environment,
                            bool waitForWindow)
{
    if (!display.isRunning())
        return false;
    program = std::make_unique<ProgramUnderTest>(display);
    program->useSoundServer(sound);
    for (const auto& [name, value] : environment)
        program->environment().insert(name, value);
    if (!program->start())
        return false;
    if (!waitForWindow)
        return true;
    window = display.waitForWindow(MainTitle);
    return window != 0;
}

void ProgramSession::click(QPoint inWindow) const
{
    display.click(display.windowPosition(window) + inWindow);
}

void ProgramSession::xdotool(const QStringList& arguments) const
{
    display.run(QStringLiteral("xdotool"), arguments);
}

bool ProgramSession::ended() const
{
    QProcess& process = program->process();
    return (process.state() == QProcess::NotRunning || process.waitForFinished(5000)) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString ProgramSession::markerScript(const QString& marker) const
{
    QFile script(home.path() + QStringLiteral("/wake up.sh"));
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\ntouch \"" + marker.toUtf8() + "\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return script.fileName();
}
