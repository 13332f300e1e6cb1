#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class frmSomnivo;
}
class Clock;
class QRadioButton;
class SettingsStore;

// The main window: the sleep timer's options, the "Sleep Now!" button, the volume slider and
// the clock. Every option is stored the moment it changes.
class frmSomnivo : public QWidget
{
    Q_OBJECT

public:
    frmSomnivo(const SettingsStore& settings, Clock& clock, QWidget* parent = nullptr);
    ~frmSomnivo() override;

    // The start-up before the window is first shown: fills the time lists and restores every
    // option and the window position from the settings store.
    void Form_Load();

    // Another copy of the program was started: the user wants to see this window.
    void showFromElsewhere();

    // Enables the countdown inputs (kind 0) or the clock-time inputs (kind 1).
    void ApplyScheduleKind(int kind);

    // Settings the timers read on every tick rather than going back to the store.
    int ActionIndex = 0;
    int BlackScreenFlag = 0;
    int DiminFlag = 0;
    int ScheduleMode = 0;
    // The progress line at full length, in twips: its end and its length.
    int LineFullX2 = 0;
    int LineLength = 0;

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
    void Option1_Click(int index);
    void Option1_MouseUp(int index);
    void Option2_Click(int index);
    void Option2_MouseUp(int index);
    void Timer2_Timer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setUpTimers();
    void connectOptionHandlers();
    void restorePosition();

    // Hand-offs to the Run File dialog and to the autostart entry, which are not part of this
    // window.
    void showRunFileDialog();
    void SetAutoStart(int state);

    std::unique_ptr<Ui::frmSomnivo> m_ui;
    const SettingsStore& m_settings;
    Clock& m_clock;
    std::array<QRadioButton*, 2> m_option1{};
    std::array<QRadioButton*, 4> m_option2{};

    QTimer m_timer3;
    QTimer m_timer2;
    QTimer m_timGetVolume;
    QTimer m_timCheckEnd;
    QTimer m_timer1;
};
