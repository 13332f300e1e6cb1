#pragma once

#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <csignal>
#include <optional>

// A PulseAudio server with one null sink that only this test uses, reached through the real
// ALSA path. Creating the object points this process's ALSA configuration (the pulse plugin
// alone) and sound variables at it without starting anything, which is also how a test sees "no
// sound server"; the old values come back when it goes. The server is killed by its id then,
// and dies with the test process should that crash.
class PrivatePulseAudio
{
public:
    PrivatePulseAudio();
    ~PrivatePulseAudio();

    // Starts the server (again, on the same socket); true once it answers and has shown it is
    // this one.
    bool start();
    // SIGTERM is a clean exit; SIGKILL a crash, which leaves a socket that refuses connections.
    void stop(int signal = SIGTERM);
    QString errorString() const { return m_error; }

    // True only while this process's sound environment leads here and nowhere else.
    bool pointsHere() const;
    static QString alsaConfigPath();
    // The environment a program started by the test needs to use this server.
    QProcessEnvironment processEnvironment() const;

    // Runs pactl against this server: its output, or nothing when it failed.
    std::optional<QString> pactl(const QStringList& arguments) const
    {
        return run(QStringLiteral("pactl"), arguments);
    }
    // The default sink's volume of each channel (raw 65536 = 100 %), and of the loudest one
    // (-1 when it could not be read).
    QList<int> channelRawVolumes() const;
    int rawVolume() const;
    bool setRawVolume(int raw);

private:
    std::optional<QString> run(const QString& program, const QStringList& arguments) const;
    QString socketPath() const { return m_dir.filePath(QStringLiteral("run/native")); }
    QList<std::pair<const char*, QString>> soundVariables() const;
    bool fail(const QString& error);

    QTemporaryDir m_dir;
    QProcess m_server;
    QList<std::pair<const char*, QByteArray>> m_saved;
    QString m_error;
};
