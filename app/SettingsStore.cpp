#include "SettingsStore.h"

#include "engine/Conversions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString Section = QStringLiteral("Config");

QString runningProgramFile()
{
    return QCoreApplication::applicationFilePath();
}

} // namespace

SettingsStore::SettingsStore(ProgramFileSource programFile)
    : m_programFile(programFile ? std::move(programFile) : ProgramFileSource(runningProgramFile))
{}

QString SettingsStore::filePath() const
{
    const QString name = QFileInfo(m_programFile()).completeBaseName();
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configHome + QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".ini");
}

QString SettingsStore::ReadSetting(QLatin1StringView key, const QString& defaultValue) const
{
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.beginGroup(Section);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return defaultValue;
    // An unquoted text with commas in a hand-edited file reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SettingsStore::WriteSetting(QLatin1StringView key, const QString& value) const
{
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.beginGroup(Section);
    // A value already on disk as it is needs no rewrite (start-up re-stores several).
    const QVariant stored = settings.value(key);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return true;
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qWarning("Could not store the setting %s in %s", key.data(),
                 qPrintable(settings.fileName()));
        return false;
    }
    return true;
}

qint32 SettingsStore::ReadNumber(QLatin1StringView key, const QString& defaultValue) const
{
    return Conversions::toInt32Saturated(Conversions::numberOf(ReadSetting(key, defaultValue)));
}

bool SettingsStore::WriteNumber(QLatin1StringView key, qint64 value) const
{
    return WriteSetting(key, QString::number(value));
}
