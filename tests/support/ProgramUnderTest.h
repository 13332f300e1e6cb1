#pragma once

#include <QProcess>
#include <QProcessEnvironment>

class PrivatePulseAudio;
class VirtualDisplay;

// The built program, started the way a user starts it, on a test's private display and in the
// test's private home (taken from the test process's HOME and XDG variables), with every bus and
// sound server pointed at places that do not exist unless the test says otherwise. Its ALSA
// configuration never names a sound card.
class ProgramUnderTest
{
public:
    explicit ProgramUnderTest(const VirtualDisplay& display,
                              const QString& programPath = builtProgram());
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    static QString builtProgram();

    QProcessEnvironment& environment() { return m_environment; }
    void useSoundServer(const PrivatePulseAudio& server);
    bool start();
    QProcess& process() { return m_process; }
    // Ends it at once, the way a crash or a power cut would: nothing of its own runs.
    void killHard();

private:
    QProcessEnvironment m_environment;
    QString m_programPath;
    QProcess m_process;
};
