#pragma once

#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A PulseAudio server with one null sink that only this test uses, reached through the real
// ALSA path: while the object lives, this process's ALSA configuration is the pulse plugin alone
// and the plugin's server is this one, so no test can reach the machine's sound server or card.
// Creating the object points the process here without starting anything, which is also how a
// test sees "no sound server". The server is killed by its id when the object goes, and dies
// with the test process should that crash.
class PrivatePulseAudio
{
public:
    enum class Stop
    {
        Terminate, // a clean exit: the socket goes with the server
        Kill,      // a crash: the socket file stays behind, refusing connections
    };

    PrivatePulseAudio();
    ~PrivatePulseAudio();
    PrivatePulseAudio(const PrivatePulseAudio&) = delete;
    PrivatePulseAudio& operator=(const PrivatePulseAudio&) = delete;

    // Starts the server (again, on the same socket) and returns once it answers and has shown
    // it is this one; false with errorString() otherwise.
    bool start();
    // Returns once the server process has ended.
    void stop(Stop how = Stop::Terminate);
    bool isRunning() const { return m_server.state() != QProcess::NotRunning; }
    QString errorString() const { return m_error; }

    // True only while this process's sound environment leads here and nowhere else.
    bool pointsHere() const;
    QString socketPath() const;
    static QString alsaConfigPath();
    // The environment a program started by the test needs to use this server.
    QProcessEnvironment processEnvironment() const;

    // Runs pactl against this server: its output, or nothing when it failed.
    std::optional<QString> pactl(const QStringList& arguments) const;
    // The default sink's volume as pactl reports it (raw 65536 = 100 %): each channel, and the
    // loudest channel; -1 when it could not be read.
    QList<int> channelRawVolumes() const;
    int rawVolume() const;
    int volumePercent() const;
    bool setRawVolume(int raw);
    bool setVolumePercent(int percent);

    // The server's own log, for failure messages.
    QString log() const;

private:
    struct SavedVariable
    {
        QByteArray name;
        std::optional<QByteArray> value;
    };

    QList<QPair<QByteArray, QString>> soundVariables() const;
    bool waitUntilAnswering();
    bool fail(const QString& error);

    QTemporaryDir m_dir;
    QProcess m_server;
    QList<SavedVariable> m_saved;
    QString m_error;
};
