#pragma once

#include "FakeAutostartStore.h"
#include "FakeClock.h"
#include "FakeDesktop.h"
#include "FakeMixer.h"
#include "FakeSessionControl.h"
#include "FakeShell.h"
#include "FakeTrayIconBackend.h"
#include "FakeTriggers.h"
#include "FakeWindowSystem.h"
#include "app/ApplicationSetup.h"
#include "app/SettingsStore.h"
#include "app/frmSomnivo.h"

#include <QTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Finding and checking the controls of a window design.
namespace LayoutChecks {

template <typename T = QWidget> T* child(const QObject* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1StringView(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The text a control shows: a button's or label's text, a frame's title, an edit box's text.
inline QString captionOf(const QWidget* widget)
{
    for (const char* property : {"text", "title", "currentText"}) {
        if (const QVariant value = widget->property(property); value.isValid())
            return value.toString().remove(u'&'); // an access key's mark is not drawn
    }
    return QString();
}

// Whether the caption fits the room the control leaves for its text on a display of this scale:
// the font at the pixel size it is drawn in there, against the room grown by the scale. A frame's
// caption runs over its border from a small indent; a wrapping label wraps.
inline bool captionFits(const QWidget* widget, qreal scale)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    const QStyle* style = widget->style();
    int room = widget->width();
    if (qobject_cast<const QRadioButton*>(widget))
        room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, widget).width();
    else if (qobject_cast<const QCheckBox*>(widget))
        room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, widget).width();
    else if (qobject_cast<const QPushButton*>(widget))
        room -= 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    else if (widget->inherits("QGroupBox"))
        room -= 2 * 8;
    else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->wordWrap())
        return true;
    QImage display(1, 1, QImage::Format_RGB32);
    display.setDotsPerMeterX(qRound(96 * scale / 0.0254));
    display.setDotsPerMeterY(display.dotsPerMeterX());
    return QFontMetricsF(widget->font(), &display).horizontalAdvance(captionOf(widget)) <=
           room * scale;
}

// Where the caption's drawn text ends on a display of this scale, in the parent's coordinates:
// an option's or a check box's after its mark, a label's from its left; any other control keeps
// its text within itself.
inline qreal captionEnd(const QWidget* widget, qreal scale)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    qreal start = 0;
    if (qobject_cast<const QRadioButton*>(widget))
        start =
            widget->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, widget).left();
    else if (qobject_cast<const QCheckBox*>(widget))
        start =
            widget->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, widget).left();
    else if (!qobject_cast<const QLabel*>(widget) || static_cast<const QLabel*>(widget)->wordWrap())
        return widget->geometry().right() + 1;
    QImage display(1, 1, QImage::Format_RGB32);
    display.setDotsPerMeterX(qRound(96 * scale / 0.0254));
    display.setDotsPerMeterY(display.dotsPerMeterX());
    const qreal text = QFontMetricsF(widget->font(), &display).horizontalAdvance(captionOf(widget));
    return widget->x() + start + text / scale;
}

// What a caption runs into: the nearest control to its right on its row, or the border of the
// frame it stands in; nothing when it stays clear.
inline QString captionCrossing(const QWidget* widget, qreal scale)
{
    const qreal end = captionEnd(widget, scale);
    const QWidget* parent = widget->parentWidget();
    if (parent->inherits("QGroupBox") && end > parent->width() - 2)
        return parent->objectName();
    // The text's own line, centred in the control.
    const qreal height = QFontMetricsF(widget->font()).height();
    const qreal top = widget->y() + (widget->height() - height) / 2;
    for (const QObject* object : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(object);
        if (other && other != widget && other->isVisibleTo(parent) && other->x() > widget->x() &&
            other->x() < end && other->y() < top + height && other->geometry().bottom() + 1 > top &&
            !other->inherits("LineControl"))
            return other->objectName();
    }
    return {};
}

// Whether the control's text is drawn in the font it asks for, an outline font that scales.
inline bool drawnInScalableFont(const QWidget* widget)
{
    const QFontInfo drawn(widget->font());
    return drawn.family() == widget->font().family() &&
           QFontDatabase::isSmoothlyScalable(drawn.family(), drawn.styleName());
}

} // namespace LayoutChecks

// The real main window on fake services, with a settings folder of its own.
struct MainWindowFixture
{
    MainWindowFixture()
    {
        [[maybe_unused]] static const bool setUp =
            (ApplicationSetup::apply(), true); // as the program
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    }

    // Builds the window; with load, runs its start-up as the program does before showing it.
    frmSomnivo& create(bool load = true)
    {
        window = std::make_unique<frmSomnivo>(
            settings, PlatformServices{clock, mixer, session, shell, autostart, tray, windowSystem,
                                       players, notifier, screens, screens, idle, media, programs});
        if (load)
            window->Form_Load();
        return *window;
    }
    template <typename T = QWidget> T* control(const char* name) const
    {
        return LayoutChecks::child<T>(window.get(), name);
    }
    // Moves the keyboard focus to the control the way the Tab key would.
    QWidget* focus(const char* name) const
    {
        control(name)->setFocus(Qt::TabFocusReason);
        if (!control(name)->hasFocus())
            qFatal("%s did not take the focus", name);
        return control(name);
    }

    // Stores each "key=value" of a blank-separated list, as "SHour=7 SetTime=90".
    void store(const QString& pairs) const
    {
        for (const QString& pair : pairs.split(u' '))
            settings.WriteSetting(QLatin1StringView(pair.section(u'=', 0, 0).toLatin1()),
                                  pair.section(u'=', 1));
    }
    QString stored(QLatin1StringView key) const { return settings.ReadSetting(key, u"<absent>"_s); }
    QByteArray storedFile() const
    {
        QFile file(settings.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the option controls show: "txtShutDown=5 cmbHour=00 cmbMinute=00", the names of the
    // checked option buttons, then each check box as 0, 1 or 2 (grey), as "chkDimin=1".
    QString options() const
    {
        QStringList shown{u"txtShutDown="_s + control<QLineEdit>("txtShutDown")->text()};
        for (const char* name : {"cmbHour", "cmbMinute"})
            shown << QLatin1StringView(name) + u'=' + control<QComboBox>(name)->currentText();
        for (const auto* option : window->findChildren<QRadioButton*>()) {
            if (option->isChecked())
                shown << option->objectName();
        }
        for (const char* name :
             {"chkBlackScreen", "chkDimin", "chkStartUp", "ChkMinOnStart", "chkDaily"}) {
            const Qt::CheckState state = control<QCheckBox>(name)->checkState();
            shown << QLatin1StringView(name) + u'=' +
                         QString::number(state == Qt::Checked     ? 1
                                         : state == Qt::Unchecked ? 0
                                                                  : 2);
        }
        return shown.join(u' ');
    }
    // The names of the schedule's inputs that are disabled, separated by blanks.
    QString disabled() const
    {
        QStringList names;
        for (const char* name : {"txtShutDown", "Label2", "cmbHour", "cmbMinute", "chkDaily"}) {
            if (!control(name)->isEnabled())
                names << QLatin1StringView(name);
        }
        return names.join(u' ');
    }
    // Once the next modal window is up, closes it and notes it in closedModals: a message box as
    // "title: text (icon)", any other window by its class name.
    void closeNextModal()
    {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            const auto* box = qobject_cast<QMessageBox*>(modal);
            closedModals << (box ? u"%1: %2 (%3)"_s.arg(box->windowTitle(), box->text(),
                                                        QVariant::fromValue(box->icon()).toString())
                                 : QString::fromLatin1(modal->metaObject()->className()));
            modal->close();
        });
    }
    QStringList closedModals;

    QTemporaryDir home;
    FakeClock clock;
    FakeMixer mixer;
    FakeSessionControl session;
    FakeShell shell;
    FakeAutostartStore autostart;
    FakeTrayIconBackend tray;
    FakeWindowSystem windowSystem;
    FakeMediaPlayers players;
    FakeNotifier notifier;
    FakeScreens screens;
    FakeIdleSource idle;
    FakeMediaWatch media;
    FakeProcessWatch programs;
    SettingsStore settings{[] { return u"/usr/bin/somnivo"_s; }};
    std::unique_ptr<frmSomnivo> window;
};
