#pragma once

#include <QString>
#include <QTemporaryDir>

// A private home for one test: HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR point into a fresh
// temporary folder for as long as the object lives, so no test reads or writes the user's files.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString runtimeDir() const { return m_dir.path() + QStringLiteral("/run"); }

    // The settings file of a program file with this base name.
    QString settingsFile(const QString& programName) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedHome;
    QByteArray m_savedConfig;
    QByteArray m_savedRuntime;
};
