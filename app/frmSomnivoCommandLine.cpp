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

    m_option1[std::size_t(command.schedule)]->setChecked(true);
    Option1_MouseUp(command.schedule);
    switch (command.schedule) {
    case 0:
        m_ui->txtShutDown->setText(command.minutes);
        txtShutDown_LostFocus();
        break;
    case 1:
        m_ui->cmbHour->setCurrentIndex(command.hour);
        cmbHour_LostFocus();
        m_ui->cmbMinute->setCurrentIndex(command.minute);
        cmbMinute_LostFocus();
        m_ui->chkDaily->setChecked(command.daily);
        chkDaily_MouseUp();
        break;
    case 2:
        m_ui->txtIdle->setText(command.minutes);
        break;
    case 4:
        // As chosen from the list: the name (or the process id) goes first in it.
        m_ui->cmbProgram->insertItem(0, command.program, command.program);
        m_ui->cmbProgram->setCurrentIndex(0);
        cmbProgram_Click();
        break;
    default:
        break;
    }
    if (command.action) {
        m_option2[std::size_t(*command.action)]->setChecked(true);
        // What the Run File dialog's OK stores.
        if (!command.runFile.isEmpty())
            m_settings.WriteSetting(SettingKey::RunFile, command.runFile);
    }
    m_ui->cmdRestz->click();
}
