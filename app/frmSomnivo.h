#pragma once

#include "CommandLine.h"
#include "PlatformServices.h"
#include "audio/MixerVolume.h"
#include "engine/SleepRun.h"
#include "engine/SleepRunHost.h"
#include "tray/cSysTray.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

namespace Ui {
class frmSomnivo;
}
class QMessageBox;
class QRadioButton;
class SettingsStore;
class VolumeSlider;
class frmBlackScreen;
class frmEndingSoon;

// The main window: the sleep timer's options, the "Sleep Now!" button, the volume slider and
// the clock. Every option is stored the moment it changes.
class frmSomnivo : public QWidget, private SleepRunHost
{
    Q_OBJECT

public:
    frmSomnivo(const SettingsStore& settings, PlatformServices services, QWidget* parent = nullptr);
    ~frmSomnivo() override;

    // The start-up before the window is first shown: fills the time lists and restores every
    // option and the window position from the settings store.
    void Form_Load();

    // Shows the window as start-up left it: normally, minimised, or not at all when it starts
    // in the notification area.
    void showAfterLoad();

    // True once the window has closed for good.
    bool isClosed() const { return m_closed; }

    // Another copy of the program was started: the user wants to see this window. The token is
    // the desktop's leave for it to take the focus, if it gave one.
    void showFromElsewhere(const QString& activationToken);

    // A request from the command line, carried out as the user's clicks and typing would do it:
    // stops a run that is going, then sets the options and presses "Sleep Now!" when arming.
    // A request that comes before start-up has finished waits for it.
    void carryOut(const CommandLine& command);

    // Enables the inputs of a kind of run: the countdown's (0), the clock time's (1), the minutes
    // without input (2), the program to wait for (4).
    void ApplyScheduleKind(int kind);

    // The sleep timer's state, with the options it reads on every tick.
    RunState& run() { return m_sleepRun.state; }
    SleepRun& sleepRun() { return m_sleepRun; }

    MixerVolume& mixerVolume() { return m_mixerVolume; }
    cSysTray& trayIcon() { return m_cSysTray1; }
    VolumeSlider& volumeSlider() { return *m_volumeSlider; }

    // Event handlers, named after their control and event. Tests call them directly, as the
    // timers and controls do.
    void chkBlackScreen_Click();
    void chkDimin_Click();
    void ChkMinOnStart_Click();
    void chkStartUp_Click();
    void chkDaily_MouseUp();
    void cmbHour_LostFocus();
    void cmbMinute_LostFocus();
    void txtShutDown_Change();
    void txtShutDown_LostFocus();
    void txtIdle_Change();
    void cmbProgram_Click();
    void Option1_Click(int index);
    void Option1_MouseUp(int index);
    void Option2_Click(int index);
    void Option2_MouseUp(int index);
    void Timer2_Timer();
    void cmdAbout_Click();
    void Label1_Click();
    void cSysTray1_MouseUp();

signals:
    // The window has closed for good: the program has nothing left to do.
    void unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connectClockAndButtons();
    void connectOptionHandlers();
    void connectVolume();
    void restorePosition();
    // Whether a minimised window can go to the notification area, with a way back.
    bool canHideInTray();
    // What start-up leaves until the window has been drawn (a bus round trip or two): the tray
    // icon, and asking which ends the machine cannot do at all.
    void finishStartUp();

    void showRunFileDialog();
    // Hand-off to the autostart entry, which is not part of this window.
    void SetAutoStart(int state);

    // What the sleep run reads and moves.
    QString readSetting(QLatin1StringView key, const QString& defaultValue) const override;
    QString restzCaption() const override;
    void setRestzCaption(const QString& caption) override;
    QString countdownText() const override;
    QString hourText() const override;
    QString minuteText() const override;
    QString idleText() const override;
    QString programText() const override;
    int volumeValue() const override;
    void setVolumeValue(int value) override;
    int volumeBottom() const override;
    Mixer::Reading currentVolume() const override;
    void restoreVolume(const Mixer::Reading& volume) override;
    void setVolumePollEnabled(bool enabled) override;
    void setProgressX2(double twips) override;
    void setTimeLeft(std::optional<qint64> remainingMs) override;
    void showBlackScreen() override;
    void closeBlackScreen() override;
    void showWarning() override;
    void refreshWarning() override;
    void closeWarning() override;
    void setPlan(const QString& plan, const QString& spoken) override;
    void reportFailure(const QString& text, const QString& details) override;
    void setDoubt(const QString& text) override;
    // A message that does not stop anything while it is up.
    QMessageBox* showMessage(const QString& text, const QString& details);
    void unloadAndEnd() override;

    std::unique_ptr<Ui::frmSomnivo> m_ui;
    const SettingsStore& m_settings;
    PlatformServices m_services;
    SleepRun m_sleepRun;
    cSysTray m_cSysTray1;
    bool m_finishDue = false;
    bool m_startsInTray = false;
    bool m_closed = false;
    bool m_positioned = false;
    bool m_loaded = false;
    std::vector<CommandLine> m_waitingCommands;
    MixerVolume m_mixerVolume;
    std::unique_ptr<VolumeSlider> m_volumeSlider;
    std::array<QRadioButton*, 5> m_option1{};
    std::array<QRadioButton*, 9> m_option2{};

    QTimer m_timer2;
    QPointer<frmBlackScreen> m_blackScreen;
    QPointer<frmEndingSoon> m_warning;
    QPointer<QMessageBox> m_doubt;
    QString m_restzCaption = SleepRun::SleepNowCaption;
};
