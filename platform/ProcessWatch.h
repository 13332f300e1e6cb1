#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The user's own running programs, and some of them watched until they exit.
class ProcessWatch : public QObject
{
    Q_OBJECT

public:
    struct Program
    {
        QString name;  // as the system names the process ("rsync")
        QString title; // its window's title, where it has one the program can see
        qint64 pid = 0;
    };

    using QObject::QObject;
    ~ProcessWatch() override = default;

    // The user's running programs, newest first, one entry per name.
    virtual QList<Program> programs() const = 0;
    // Starts watching every running process of the user's with this name, or the one with this
    // process id; how many that is (0: none, and nothing is watched).
    virtual int follow(const QString& nameOrPid) = 0;
    virtual void stop() = 0;
    // Whether every process watched has exited (where the system cannot tell at once, found out
    // by looking).
    virtual bool allExited() const = 0;
};
