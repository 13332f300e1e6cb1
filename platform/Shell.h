#pragma once

#include <QString>
#include <QUrl>

// Opens files and links the way the desktop does.
class Shell
{
public:
    struct Result
    {
        bool opened = false;
        QString error;
    };

    virtual ~Shell() = default;

    // A program is started; any other file opens in the program the desktop associates with it.
    virtual Result openPath(const QString& path) = 0;
    // A web page or a new mail message.
    virtual Result openUrl(const QUrl& url) = 0;
};
