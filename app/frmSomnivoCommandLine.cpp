// The main window's side of the command line: each choice goes through the handler that the
// user's click or typing would raise, so the run and the store are the same as by hand.
#include "SettingsStore.h"
#include "frmSomnivo.h"
#include "ui_frmSomnivo.h"

void frmSomnivo::carryOut(const CommandLine& command)
{
    if (!m_loaded) {
        m_waitingCommands.push_back(command);
        return;
    }
    const bool arming = command.request == CommandLine::Request::Arm;
    if (m_closed || (!arming && command.request != CommandLine::Request::Stop))
        return;
    m_sleepRun.cancel(); // "Stop", when a run is going
    if (!arming)
        return;

    if (command.hour < 0) {
        m_option1[0]->setChecked(true);
        Option1_MouseUp(0);
        m_ui->txtShutDown->setText(command.minutes);
        txtShutDown_LostFocus();
    } else {
        m_option1[1]->setChecked(true);
        Option1_MouseUp(1);
        m_ui->cmbHour->setCurrentIndex(command.hour);
        cmbHour_LostFocus();
        m_ui->cmbMinute->setCurrentIndex(command.minute);
        cmbMinute_LostFocus();
        m_ui->chkDaily->setChecked(command.daily);
        chkDaily_MouseUp();
    }
    if (command.action) {
        m_option2[std::size_t(*command.action)]->setChecked(true);
        // What the Run File dialog's OK stores.
        if (!command.runFile.isEmpty())
            m_settings.WriteSetting(SettingKey::RunFile, command.runFile);
    }
    m_ui->cmdRestz->click();
}
