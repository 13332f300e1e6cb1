// The main window's option handlers: every option is stored the moment it changes.
#include "SettingsStore.h"
#include "forms/CheckBoxValue.h"
#include "frmSomnivo.h"
#include "platform/AutostartStore.h"
#include "ui_frmSomnivo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The list position that the combo box's text selects: -1 when the text is no list item.
int selectedPosition(const QComboBox* box)
{
    const int current = box->currentIndex();
    if (current >= 0 && box->itemText(current) == box->currentText())
        return current;
    return box->findText(box->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

} // namespace

void frmSomnivo::ApplyScheduleKind(int kind)
{
    if (kind < 0 || kind >= int(m_option1.size()))
        return;
    m_ui->txtShutDown->setEnabled(kind == 0);
    m_ui->Label2->setEnabled(kind == 0);
    m_ui->cmbHour->setEnabled(kind == 1);
    m_ui->cmbMinute->setEnabled(kind == 1);
    m_ui->chkDaily->setEnabled(kind == 1);
    m_ui->txtIdle->setEnabled(kind == 2);
    m_ui->Label6->setEnabled(kind == 2);
    m_ui->cmbProgram->setEnabled(kind == 4);
}

void frmSomnivo::chkBlackScreen_Click()
{
    const int value = CheckBoxValue::of(m_ui->chkBlackScreen);
    m_settings.WriteNumber(SettingKey::BlackScreen, value);
    run().BlackScreenFlag = value;
}

void frmSomnivo::chkDimin_Click()
{
    const int value = CheckBoxValue::of(m_ui->chkDimin);
    m_settings.WriteNumber(SettingKey::Dimin, value);
    run().DiminFlag = value;
}

void frmSomnivo::ChkMinOnStart_Click()
{
    m_settings.WriteNumber(SettingKey::MinOnStart, CheckBoxValue::of(m_ui->ChkMinOnStart));
}

void frmSomnivo::chkStartUp_Click()
{
    const int value = CheckBoxValue::of(m_ui->chkStartUp);
    m_settings.WriteNumber(SettingKey::AutoStart, value);
    SetAutoStart(value);
}

void frmSomnivo::chkDaily_MouseUp()
{
    m_settings.WriteNumber(SettingKey::RunDaily, CheckBoxValue::of(m_ui->chkDaily));
}

void frmSomnivo::cmbHour_LostFocus()
{
    m_settings.WriteNumber(SettingKey::SHour, selectedPosition(m_ui->cmbHour));
}

void frmSomnivo::cmbMinute_LostFocus()
{
    m_settings.WriteNumber(SettingKey::SMinute, selectedPosition(m_ui->cmbMinute));
}

void frmSomnivo::txtShutDown_Change()
{
    m_settings.WriteSetting(SettingKey::SetTime, m_ui->txtShutDown->text());
}

void frmSomnivo::txtIdle_Change()
{
    m_settings.WriteSetting(SettingKey::IdleMinutes, m_ui->txtIdle->text());
}

void frmSomnivo::cmbProgram_Click()
{
    m_settings.WriteSetting(SettingKey::WatchProgram, m_ui->cmbProgram->currentData().toString());
}

void frmSomnivo::txtShutDown_LostFocus()
{
    // A countdown of zero minutes would end the moment it starts.
    if (m_ui->txtShutDown->text() == QLatin1String("0"))
        m_ui->txtShutDown->setText(QStringLiteral("1"));
}

void frmSomnivo::Option1_Click(int index)
{
    ApplyScheduleKind(index);
}

void frmSomnivo::Option1_MouseUp(int index)
{
    m_settings.WriteNumber(SettingKey::Schedule, index);
}

void frmSomnivo::Option2_Click(int index)
{
    m_settings.WriteNumber(SettingKey::ShutDown, index);
    run().ActionIndex = index;
}

void frmSomnivo::Option2_MouseUp(int index)
{
    if (index == 3 && m_option2[3]->isChecked())
        showRunFileDialog();
}

void frmSomnivo::SetAutoStart(int state)
{
    // The entry names the program in the folder it was started from this time.
    const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
    m_services.autostart.writeEntry(folder, state == 1);
}
