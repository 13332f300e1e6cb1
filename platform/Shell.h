#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens files and links the way the desktop does.
class Shell
{
public:
    struct Result
    {
        bool opened = false;
        QString error; // why it could not be opened, in words a user understands
    };
    // Called once with the outcome: at once when it is known at once, otherwise when the desktop
    // has answered. Never called after the Shell is destroyed.
    using Completion = std::function<void(const Result&)>;

    virtual ~Shell() = default;

    // A program is started; any other file opens in the program the desktop associates with it.
    virtual void openPath(const QString& path, Completion done) = 0;
    // A web page or a new mail message.
    virtual void openUrl(const QUrl& url, Completion done) = 0;
};
