#include "frmSomnivo.h"

#include "ProgramInfo.h"
#include "SettingsStore.h"
#include "WindowPlacement.h"
#include "audio/VolumeSlider.h"
#include "engine/EndingText.h"
#include "engine/RunEnd.h"
#include "forms/AccessibleControls.h"
#include "forms/CheckBoxValue.h"
#include "forms/FocusNotifier.h"
#include "forms/ProgramIcon.h"
#include "forms/ReleaseNotifier.h"
#include "forms/Twips.h"
#include "forms/TypingLimit.h"
#include "platform/Clock.h"
#include "platform/IdleSource.h"
#include "platform/Notifier.h"
#include "platform/ProcessWatch.h"
#include "platform/SessionControl.h"
#include "platform/Shell.h"
#include "platform/WindowSystem.h"
#include "ui_frmSomnivo.h"
#include "windows/frmAbout.h"
#include "windows/frmRunFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

#include <utility>

namespace {

void selectPosition(QComboBox* box, int position)
{
    box->setCurrentIndex(position >= 0 && position < box->count() ? position : -1);
}

void fillTwoDigitItems(QComboBox* box, int count)
{
    // In one insertion: an editable box brings its line up to date after every single one.
    QStringList items;
    for (int i = 0; i < count; ++i)
        items.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    box->addItems(items);
}

template <std::size_t N> void selectOption(const std::array<QRadioButton*, N>& options, int index)
{
    if (index >= 0 && std::size_t(index) < N)
        options[std::size_t(index)]->setChecked(true);
}

QList<QRect> screenGeometries()
{
    QList<QRect> geometries;
    for (const QScreen* screen : QGuiApplication::screens())
        geometries.append(screen->geometry());
    return geometries;
}

} // namespace

frmSomnivo::frmSomnivo(const SettingsStore& settings, PlatformServices services, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmSomnivo>()), m_settings(settings),
      m_services(services), m_sleepRun(*this,
                                       {services.clock, services.session, services.shell,
                                        services.players, services.locker, services.screens,
                                        services.idle, services.media, services.programs},
                                       this),
      m_cSysTray1(services.tray, this), m_mixerVolume(services.mixer)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The controls keep their places whatever the frame's size, so there is nothing to gain from
    // resizing; and a window of fixed size is the only one that every window manager shows
    // without a maximise button.
    setFixedSize(size());
    m_cSysTray1.setObjectName(QStringLiteral("cSysTray1"));
    m_cSysTray1.setTrayIcon(programIcon());
    setPlan(QString(), QString());
    AccessibleControls::markAsVolume(m_ui->Volume);
    connect(&m_cSysTray1, &cSysTray::MouseUp, this, &frmSomnivo::cSysTray1_MouseUp);
    m_ui->Label1->setText(QString::fromUtf8(ProgramInfo::WebAddress));

    // Countdowns above 9999 minutes cannot be typed; a longer stored one is still shown whole.
    new TypingLimit(m_ui->txtShutDown, 4);
    new TypingLimit(m_ui->txtIdle, 4);
    m_option1 = {m_ui->Option1_0, m_ui->Option1_1, m_ui->Option1_2, m_ui->Option1_3,
                 m_ui->Option1_4};
    // The user's programs are looked up when the list opens, never before.
    m_ui->cmbProgram->setFiller([this](QComboBox& list) {
        for (const ProcessWatch::Program& program : m_services.programs.programs())
            list.addItem(program.title.isEmpty()
                             ? program.name
                             : tr("%1 (%2)").arg(program.name, program.title.left(60)),
                         program.name);
    });
    m_option2 = {m_ui->Option2_0, m_ui->Option2_1, m_ui->Option2_2,
                 m_ui->Option2_3, m_ui->Option2_4, m_ui->Option2_5,
                 m_ui->Option2_6, m_ui->Option2_7, m_ui->Option2_8};
    // An option says what it does in whole words, whatever fits beside it.
    for (const RunEnd& end : RunEnd::all()) {
        if (end.means == RunEnd::Means::RunFile)
            continue;
        QRadioButton* option = m_option2[std::size_t(end.code)];
        option->setAccessibleName(EndingText::doing(end.code, QString()));
        option->setToolTip(option->accessibleName());
    }

    connectClockAndButtons();
    connectOptionHandlers();
    connectVolume();
    // The first control in the tab order has the focus when the window opens.
    m_ui->cmdRestz->setFocus();
}

frmSomnivo::~frmSomnivo()
{
    // Destroying the window takes the focus from its controls; their handlers must not run
    // on a window that is half gone.
    for (const FocusNotifier* notifier : findChildren<FocusNotifier*>())
        disconnect(notifier, nullptr, this, nullptr);
}

void frmSomnivo::connectClockAndButtons()
{
    m_timer2.setParent(this);
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(5000);
    m_timer2.start();
    connect(&m_timer2, &QTimer::timeout, this, &frmSomnivo::Timer2_Timer);

    connect(m_ui->cmdRestz, &QPushButton::clicked, &m_sleepRun, &SleepRun::cmdRestz_Click);
    // Pressed by its access key too, the button takes the focus: whoever does not see it hears
    // at once what it did and what it now stands for.
    connect(m_ui->cmdRestz, &QPushButton::clicked, m_ui->cmdRestz,
            [this] { m_ui->cmdRestz->setFocus(Qt::ShortcutFocusReason); });
    connect(m_ui->cmdAbout, &QPushButton::clicked, this, &frmSomnivo::cmdAbout_Click);
    connect(m_ui->Label1, &LinkLabel::activated, this, &frmSomnivo::Label1_Click);
}

void frmSomnivo::connectOptionHandlers()
{
    connect(m_ui->chkBlackScreen, &QCheckBox::stateChanged, this,
            &frmSomnivo::chkBlackScreen_Click);
    connect(m_ui->chkDimin, &QCheckBox::stateChanged, this, &frmSomnivo::chkDimin_Click);
    connect(m_ui->ChkMinOnStart, &QCheckBox::stateChanged, this, &frmSomnivo::ChkMinOnStart_Click);
    connect(m_ui->chkStartUp, &QCheckBox::stateChanged, this, &frmSomnivo::chkStartUp_Click);
    connect(new ReleaseNotifier(m_ui->chkDaily), &ReleaseNotifier::released, this,
            &frmSomnivo::chkDaily_MouseUp);

    connect(new FocusNotifier(m_ui->cmbHour), &FocusNotifier::lostFocus, this,
            &frmSomnivo::cmbHour_LostFocus);
    connect(new FocusNotifier(m_ui->cmbMinute), &FocusNotifier::lostFocus, this,
            &frmSomnivo::cmbMinute_LostFocus);

    connect(m_ui->txtShutDown, &QLineEdit::textChanged, this, &frmSomnivo::txtShutDown_Change);
    connect(m_ui->txtIdle, &QLineEdit::textChanged, this, &frmSomnivo::txtIdle_Change);
    connect(m_ui->cmbProgram, &QComboBox::activated, this, &frmSomnivo::cmbProgram_Click);
    connect(new FocusNotifier(m_ui->txtShutDown), &FocusNotifier::lostFocus, this,
            &frmSomnivo::txtShutDown_LostFocus);

    for (int i = 0; i < int(m_option1.size()); ++i) {
        QRadioButton* option = m_option1[std::size_t(i)];
        connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                Option1_Click(i);
        });
        connect(new ReleaseNotifier(option), &ReleaseNotifier::released, this,
                [this, i] { Option1_MouseUp(i); });
    }
    for (int i = 0; i < int(m_option2.size()); ++i) {
        QRadioButton* option = m_option2[std::size_t(i)];
        connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                Option2_Click(i);
        });
        connect(new ReleaseNotifier(option), &ReleaseNotifier::asked, this,
                [this, i] { Option2_MouseUp(i); });
    }
}

void frmSomnivo::connectVolume()
{
    m_volumeSlider = std::make_unique<VolumeSlider>(*m_ui->Volume, m_mixerVolume, this);
    auto* focus = new FocusNotifier(m_ui->Volume);
    connect(focus, &FocusNotifier::gotFocus, m_volumeSlider.get(), &VolumeSlider::Volume_GotFocus);
    connect(focus, &FocusNotifier::lostFocus, m_volumeSlider.get(),
            &VolumeSlider::Volume_LostFocus);
}

void frmSomnivo::Form_Load()
{
    m_ui->Label4->setText(m_services.clock.timeOfDayText());
    fillTwoDigitItems(m_ui->cmbHour, 24);
    fillTwoDigitItems(m_ui->cmbMinute, 60);
    selectPosition(m_ui->cmbHour, m_settings.ReadNumber(SettingKey::SHour, QStringLiteral("00")));
    selectPosition(m_ui->cmbMinute,
                   m_settings.ReadNumber(SettingKey::SMinute, QStringLiteral("00")));

    // The icon goes to the notification area as soon as the window has been drawn (or at once
    // when there will be no window): registering it takes the bus a few round trips that the
    // first sight of the window need not wait for.
    m_finishDue = true;

    // Without a mixer the user is told once; every other option is still restored.
    if (m_mixerVolume.open()) {
        m_volumeSlider->connectToMixer();
    } else {
        QMessageBox::critical(this, tr("Volume Control"), tr("Could not open the mixer."));
        m_volumeSlider->disable();
        // The program may have been asked to end while the message was up.
        if (m_closed)
            return;
    }

    run().LineFullX2 = int(std::nearbyint(m_ui->Line1->x2()));
    run().LineLength = int(std::nearbyint(m_ui->Line1->x2() - m_ui->Line1->x1()));

    m_ui->txtShutDown->setText(m_settings.ReadSetting(SettingKey::SetTime, QStringLiteral("5")));
    m_ui->txtIdle->setText(m_settings.ReadSetting(SettingKey::IdleMinutes, QStringLiteral("30")));
    const QString program = m_settings.ReadSetting(SettingKey::WatchProgram, QString());
    m_ui->cmbProgram->addItem(program, program);

    const int action = m_settings.ReadNumber(SettingKey::ShutDown, QStringLiteral("1"));
    selectOption(m_option2, action);
    run().ActionIndex = action;

    const int schedule = m_settings.ReadNumber(SettingKey::Schedule, QStringLiteral("0"));
    selectOption(m_option1, schedule);
    run().ScheduleMode = schedule;
    ApplyScheduleKind(schedule);

    // The flags follow what the boxes show, so a stored value that no box can show cannot
    // switch on what the user sees switched off.
    CheckBoxValue::set(m_ui->chkBlackScreen,
                       m_settings.ReadNumber(SettingKey::BlackScreen, QStringLiteral("1")));
    run().BlackScreenFlag = CheckBoxValue::of(m_ui->chkBlackScreen);
    CheckBoxValue::set(m_ui->chkDimin,
                       m_settings.ReadNumber(SettingKey::Dimin, QStringLiteral("1")));
    run().DiminFlag = CheckBoxValue::of(m_ui->chkDimin);

    restorePosition();

    CheckBoxValue::set(m_ui->chkStartUp,
                       m_settings.ReadNumber(SettingKey::AutoStart, QStringLiteral("0")));
    CheckBoxValue::set(m_ui->ChkMinOnStart,
                       m_settings.ReadNumber(SettingKey::MinOnStart, QStringLiteral("0")));
    if (CheckBoxValue::of(m_ui->ChkMinOnStart) == 1) {
        m_startsInTray = canHideInTray();
        if (!m_startsInTray)
            setWindowState(windowState() | Qt::WindowMinimized);
    }
    CheckBoxValue::set(m_ui->chkDaily,
                       m_settings.ReadNumber(SettingKey::RunDaily, QStringLiteral("0")));

    // A daily clock time is armed without waiting for the user.
    if (run().ScheduleMode == 1 && CheckBoxValue::of(m_ui->chkDaily) == 1)
        m_sleepRun.armAtStartUp();

    m_loaded = true;
    for (const CommandLine& command : std::exchange(m_waitingCommands, {}))
        carryOut(command);
}

void frmSomnivo::restorePosition()
{
    // Where windows cannot be placed (Wayland), the desktop places this one, and the stored
    // position is kept for a session where they can.
    if (!m_services.windowSystem.placesWindows())
        return;
    m_positioned = true;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize frameSize = frameGeometry().size();
    const QPoint centre = WindowPlacement::centredTwips(screen->geometry(), frameSize);
    move(Twips::toPixels(centre.x()), Twips::toPixels(centre.y()));

    const QPoint stored(m_settings.ReadNumber(SettingKey::PosX, QString::number(centre.x())),
                        m_settings.ReadNumber(SettingKey::PosY, QString::number(centre.y())));
    // A position on a screen that is no longer there would hide the window from the user.
    if (const auto reachable =
            WindowPlacement::reachablePosition(stored, frameSize, screenGeometries()))
        move(*reachable);
}

void frmSomnivo::showAfterLoad()
{
    if (m_startsInTray || m_closed)
        return;
    show();
    // Should the window not be drawn soon (a window manager that keeps it unmapped), the icon
    // still comes.
    QTimer::singleShot(500, this, &frmSomnivo::finishStartUp);
}

void frmSomnivo::finishStartUp()
{
    if (!m_finishDue)
        return;
    m_finishDue = false;
    m_cSysTray1.setInTray(true);
    // A kind of run this desktop cannot tell, or an end this machine cannot do at all, is shown
    // but cannot be chosen.
    const QPointer<QRadioButton> idle = m_ui->Option1_2;
    m_services.idle.findWay([idle](IdleSource::Way way) {
        if (!idle || way != IdleSource::Way::None)
            return;
        idle->setEnabled(false);
        idle->setToolTip(EndingText::noIdleTime());
    });
    for (const RunEnd& end : RunEnd::all()) {
        if (end.means != RunEnd::Means::Suspend && end.means != RunEnd::Means::Hibernate)
            continue;
        const QPointer<QRadioButton> option = m_option2[std::size_t(end.code)];
        const SessionControl::Ability ability = *end.check;
        m_services.session.check(ability,
                                 [option, ability](const SessionControl::Outlook& outlook) {
                                     if (!option || outlook.allowed != QLatin1String("na"))
                                         return;
                                     option->setEnabled(false);
                                     option->setToolTip(EndingText::cannot(ability));
                                 });
    }
}

bool frmSomnivo::canHideInTray()
{
    finishStartUp();
    // A notification area that comes (or comes back) after the icon was shown gets it from the
    // toolkit itself, which follows the area's name on the bus, or the X11 tray's selection.
    return m_cSysTray1.InTray() && m_cSysTray1.isAvailable();
}

void frmSomnivo::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Minimised, the window leaves the taskbar for the notification area, if there is one to
    // bring it back from. Once the minimising is complete: whoever minimised it may show it
    // (minimised) right after.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && canHideInTray())
                hide();
        });
    }
}

void frmSomnivo::cSysTray1_MouseUp()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmSomnivo::showFromElsewhere(const QString& activationToken)
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    m_services.windowSystem.activate(*windowHandle(), activationToken);
}

void frmSomnivo::showRunFileDialog()
{
    frmRunFile dialog(m_settings, this);
    dialog.exec();
}

void frmSomnivo::cmdAbout_Click()
{
    frmAbout about(m_services.shell, this);
    about.exec();
}

void frmSomnivo::Label1_Click()
{
    m_services.shell.openUrl(QUrl(QString::fromUtf8(ProgramInfo::WebUrl)),
                             [](const Shell::Result&) {});
}

void frmSomnivo::Timer2_Timer()
{
    m_ui->Label4->setText(m_services.clock.timeOfDayText());
    m_ui->Frame3->setTitle(m_services.clock.shortDateText());
}

void frmSomnivo::paintEvent(QPaintEvent*)
{
    if (m_finishDue)
        QTimer::singleShot(0, this, &frmSomnivo::finishStartUp);
    // The window itself shows the colour of a window border; the frames on it are button-face.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(108));
}

void frmSomnivo::closeEvent(QCloseEvent* event)
{
    // Whatever closes the window ends the program, and the close is never refused.
    event->accept();
    if (m_closed) {
        emit unloaded(); // asked again: the program is still ending
        return;
    }
    m_closed = true;
    // A window closed before start-up placed it has no position of its own to keep, and must
    // not overwrite the one stored.
    if (m_positioned) {
        const QRect frame = frameGeometry();
        m_settings.WriteNumber(SettingKey::PosX, Twips::fromPixels(frame.x()));
        m_settings.WriteNumber(SettingKey::PosY, Twips::fromPixels(frame.y()));
    }
    m_finishDue = false;
    m_cSysTray1.setInTray(false);
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    emit unloaded();
}
