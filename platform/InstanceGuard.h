#pragma once

#include <QObject>
#include <QStringList>

#include <optional>

// Makes sure one copy of the program runs per user and program name, and lets a later copy
// hand the running one a request: to show itself, or a command line.
class InstanceGuard : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Running,    // this is the copy that runs
        HandedOver, // the running copy took the request
        Unanswered  // the running copy did not
    };

    using QObject::QObject;
    ~InstanceGuard() override = default;

    // Makes this the copy that runs, or hands the running one the arguments of a command line,
    // or without them asks it to show itself (passing on the desktop's activation token of this
    // start, XDG_ACTIVATION_TOKEN). A copy that is still starting or already ending is asked
    // again, and replaced once it has gone, for up to two seconds.
    virtual Outcome runOrHandOver(const std::optional<QStringList>& arguments) = 0;

    // Gives the guard up: a copy that is ending takes no more requests, and the next may run.
    virtual void release() = 0;

signals:
    // The running copy receives this when a later copy asked it to show itself.
    void showRequested(const QString& activationToken);
    // ... and this when a later copy handed on its command line.
    void runRequested(const QStringList& arguments);
};
