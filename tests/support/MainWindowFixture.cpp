#include "MainWindowFixture.h"

#include <QApplication>
#include <QMetaEnum>
#include <QSettings>

MainWindowFixture::MainWindowFixture() : settings([] { return u"/usr/bin/somnivo"_s; }) {}

frmSomnivo& MainWindowFixture::create(bool load)
{
    window = std::make_unique<frmSomnivo>(
        settings, PlatformServices{clock, mixer, session, shell, autostart, tray});
    if (load)
        window->Form_Load();
    return *window;
}

QWidget* MainWindowFixture::focus(const char* name) const
{
    QWidget* widget = control(name);
    widget->setFocus(Qt::TabFocusReason);
    if (!widget->hasFocus())
        qFatal("%s did not take the focus", name);
    return widget;
}

void MainWindowFixture::storeAll(const QString& pairs) const
{
    for (const QString& pair : pairs.split(u' ')) {
        const QByteArray key = pair.section(u'=', 0, 0).toLatin1();
        settings.WriteSetting(QLatin1StringView(key), pair.section(u'=', 1));
    }
}

QString MainWindowFixture::stored(std::initializer_list<QLatin1StringView> keys) const
{
    QStringList values;
    for (const QLatin1StringView key : keys)
        values << stored(key);
    return values.join(u' ');
}

QString MainWindowFixture::storedFile() const
{
    const QSettings file(settings.filePath(), QSettings::IniFormat);
    QStringList pairs;
    for (const QString& key : file.allKeys())
        pairs << key + u'=' + file.value(key).toString();
    return pairs.join(u' ');
}

QString MainWindowFixture::options() const
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

QString MainWindowFixture::disabled() const
{
    QStringList names;
    for (const char* name : {"txtShutDown", "Label2", "cmbHour", "cmbMinute", "chkDaily"}) {
        if (!control(name)->isEnabled())
            names << QLatin1StringView(name);
    }
    return names.join(u' ');
}

void MainWindowFixture::closeNextModal()
{
    QTimer::singleShot(0, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const char* icon = QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon());
            closedModals << u"%1: %2 (%3, buttons: %4)"_s
                                .arg(box->windowTitle(), box->text(), QString::fromLatin1(icon))
                                .arg(box->buttons().size());
            box->accept();
        } else if (modal) {
            closedModals << QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
}
