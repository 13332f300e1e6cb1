#pragma once

#include "platform/Shell.h"

#include <QObject>

// Starts programs itself and leaves every other file and link to the desktop's associations,
// asked through xdg-open without ever waiting for it on the event loop.
class DesktopShell final : public QObject, public Shell
{
    Q_OBJECT

public:
    explicit DesktopShell(QObject* parent = nullptr);
    ~DesktopShell() override;

    void openPath(const QString& path, Completion done) override;
    void openUrl(const QUrl& url, Completion done) override;

private:
    void openWithDesktop(const QString& target, const QUrl& url, const QString& failure,
                         Completion done);
};
