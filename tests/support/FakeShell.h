#pragma once

#include "platform/Shell.h"

#include <QStringList>

#include <functional>

// Records what it is asked to open and answers at once with the outcome the test chose.
class FakeShell final : public Shell
{
public:
    void openPath(const QString& path, Completion done) override
    {
        openedPaths.append(path);
        if (onOpen)
            onOpen();
        done(outcome);
    }
    void openUrl(const QUrl& url, Completion done) override
    {
        openedUrls.append(url);
        done(outcome);
    }

    QStringList openedPaths;
    QList<QUrl> openedUrls;
    Result outcome{true, {}};
    std::function<void()> onOpen; // runs when a file is opened, before the outcome is told
};
