#pragma once

#include <QObject>
#include <QStringList>

// Makes sure one copy of the program runs per user and program name, and lets a later copy
// ask the running one to show itself.
class InstanceGuard : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~InstanceGuard() override = default;

    // True when no other copy holds the guard; this copy holds it from now on.
    virtual bool tryAcquire() = 0;

    // Called by a copy that did not get the guard: asks the running copy to show its window,
    // passing on the desktop's activation token of this start (XDG_ACTIVATION_TOKEN), if any.
    // Returns once the request was delivered or could not be.
    virtual void askRunningCopyToShow() = 0;

    // Called by a copy that did not get the guard: hands the running copy a request from the
    // command line. True once the running copy has taken it.
    virtual bool askRunningCopyToRun(const QStringList& arguments) = 0;

signals:
    // The running copy receives this when a later copy asked it to show itself.
    void showRequested(const QString& activationToken);
    // ... and this when a later copy handed on its command line.
    void runRequested(const QStringList& arguments);
};
