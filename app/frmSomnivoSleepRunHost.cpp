// What the main window gives the sleep run: its controls, the stored options, the black screen
// and the way out.
#include "ProgramInfo.h"
#include "SettingsStore.h"
#include "audio/VolumeSlider.h"
#include "engine/RunArithmetic.h"
#include "forms/AccessibleControls.h"
#include "frmSomnivo.h"
#include "platform/Notifier.h"
#include "ui_frmSomnivo.h"
#include "windows/frmBlackScreen.h"
#include "windows/frmEndingSoon.h"

#include <QMessageBox>

#include <algorithm>
#include <cmath>
#include <cstdio>

QString frmSomnivo::readSetting(QLatin1StringView key, const QString& defaultValue) const
{
    return m_settings.ReadSetting(key, defaultValue);
}

// The run knows the button by its English caption; the button shows it in the user's language,
// with its access key.
QString frmSomnivo::restzCaption() const
{
    return m_restzCaption;
}

void frmSomnivo::setRestzCaption(const QString& caption)
{
    m_restzCaption = caption;
    m_ui->cmdRestz->setText(caption == SleepRun::StopCaption ? tr("&Stop") : tr("&Sleep Now!"));
}

QString frmSomnivo::countdownText() const
{
    return m_ui->txtShutDown->text();
}

QString frmSomnivo::hourText() const
{
    return m_ui->cmbHour->currentText();
}

QString frmSomnivo::minuteText() const
{
    return m_ui->cmbMinute->currentText();
}

QString frmSomnivo::idleText() const
{
    return m_ui->txtIdle->text();
}

QString frmSomnivo::programText() const
{
    return m_ui->cmbProgram->currentData().toString();
}

int frmSomnivo::volumeValue() const
{
    return m_volumeSlider->value();
}

void frmSomnivo::setVolumeValue(int value)
{
    const AccessibleControls::Quiet quiet(m_ui->Volume); // a fade step nobody asked to hear
    m_volumeSlider->setValue(value);
}

int frmSomnivo::volumeBottom() const
{
    return m_volumeSlider->bottom();
}

Mixer::Reading frmSomnivo::currentVolume() const
{
    return {quint32(m_mixerVolume.CurrentVolume), m_mixerVolume.CurrentLevels};
}

void frmSomnivo::restoreVolume(const Mixer::Reading& volume)
{
    // The action does not wait longer for a sound server that does not answer: the next
    // session would start at the faded volume, which is told here.
    constexpr int PatienceMs = 500;
    const AccessibleControls::Quiet quiet(m_ui->Volume);
    if (!m_volumeSlider->restore(volume, PatienceMs))
        std::fputs("somnivo: the sound server did not take the volume back before the end\n",
                   stderr);
}

void frmSomnivo::setVolumePollEnabled(bool enabled)
{
    m_volumeSlider->setPollEnabled(enabled);
}

void frmSomnivo::setProgressX2(double twips)
{
    m_ui->Line1->setX2(twips);
}

void frmSomnivo::setTimeLeft(std::optional<qint64> remainingMs)
{
    const double start = run().LineFullX2 - run().LineLength;
    const double part = run().LineLength > 0 ? (m_ui->Line1->x2() - start) / run().LineLength : 1;
    const int percent = int(std::lround(std::clamp(part, 0.0, 1.0) * 100));
    if (!remainingMs) {
        m_ui->Line1->setProgress(percent, QString());
        return;
    }
    // Counted in minutes, as the tip counts them: the sentence changes once a minute. The
    // moment the end is due still has its last minute.
    const int minutes = int(std::max<qint64>(1, RunArithmetic::minutesLeft(*remainingMs)));
    m_ui->Line1->setProgress(percent, tr("%n minute(s) left", nullptr, minutes));
}

void frmSomnivo::showBlackScreen()
{
    frmBlackScreen screen(run().BlackScreenShown, m_services.windowSystem, this);
    m_blackScreen = &screen;
    screen.exec();
}

void frmSomnivo::closeBlackScreen()
{
    if (m_blackScreen)
        m_blackScreen->close();
}

void frmSomnivo::showWarning()
{
    closeBlackScreen(); // the warning is above everything; the black screen comes back after
    if (!m_warning) {
        m_warning = new frmEndingSoon([this] { return m_sleepRun.warningText(); }, this);
        connect(m_warning, &frmEndingSoon::cancelled, &m_sleepRun, &SleepRun::cancel);
        connect(m_warning, &frmEndingSoon::extended, &m_sleepRun, &SleepRun::extend);
        // The same two buttons on the desktop's notification.
        connect(&m_services.notifier, &Notifier::actionInvoked, this, [this](const QString& key) {
            if (key == QLatin1String("cancel"))
                m_sleepRun.cancel();
            else if (key == QLatin1String("more"))
                m_sleepRun.extend();
        });
    }
    m_warning->show();
    m_warning->raise();
    m_warning->activateWindow();
    refreshWarning();
}

void frmSomnivo::refreshWarning()
{
    // In place of the one shown before.
    m_services.notifier.show(
        m_warning->windowTitle(), m_sleepRun.warningText(),
        {QStringLiteral("cancel"), tr("Cancel"), QStringLiteral("more"), tr("+10 min")});
}

void frmSomnivo::closeWarning()
{
    if (m_warning)
        m_warning->dismiss();
    m_services.notifier.withdraw();
}

void frmSomnivo::setPlan(const QString& plan, const QString& spoken)
{
    const QString caption = windowTitle().trimmed(); // the design's caption ends in a blank
    m_cSysTray1.setTrayTip(plan.isEmpty() ? caption : caption + u'\n' + plan);
    // What a screen reader says of the button when it is met, asked about ("where am I"), or
    // changes while it has the focus: the run's plan in whole words, or what just happened.
    m_ui->cmdRestz->setAccessibleDescription(spoken);
}

QMessageBox* frmSomnivo::showMessage(const QString& text, const QString& details)
{
    auto* message = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(ProgramInfo::Title),
                                    text, QMessageBox::Ok, this);
    message->setInformativeText(details);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setModal(false);
    message->setWindowModality(Qt::NonModal);
    message->show();
    return message;
}

void frmSomnivo::reportFailure(const QString& text, const QString& details)
{
    showMessage(text, details);
}

void frmSomnivo::setDoubt(const QString& text)
{
    if (m_doubt)
        m_doubt->close();
    if (!text.isEmpty())
        m_doubt = showMessage(text, QString());
}

void frmSomnivo::unloadAndEnd()
{
    close();
}
