#include "DesktopShell.h"

#include "platform/PlatformTexts.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

#include <memory>
#include <utility>

namespace {

const QString NoProgramForFile = QString::fromLatin1(PlatformTexts::NoProgramForFile);
const QString NoProgramForLink = QString::fromLatin1(PlatformTexts::NoProgramForLink);

} // namespace

DesktopShell::DesktopShell(QObject* parent) : QObject(parent) {}

DesktopShell::~DesktopShell()
{
    // An opening still under way must not report to a caller that is gone; the program the
    // desktop may already have started is not a child of xdg-open's, so it keeps running.
    const auto processes = findChildren<QProcess*>(Qt::FindDirectChildrenOnly);
    for (QProcess* process : processes) {
        disconnect(process, nullptr, this, nullptr);
        process->kill();
        process->waitForFinished(1000);
    }
}

void DesktopShell::openPath(const QString& path, Completion done)
{
    if (path.isEmpty()) {
        done({false, QString::fromLatin1(PlatformTexts::NoFile)});
        return;
    }
    const QFileInfo file(path);
    if (!file.exists()) {
        done({false, QString::fromLatin1(PlatformTexts::FileMissing)});
        return;
    }
    if (file.isFile() && file.isExecutable()) {
        if (QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath())) {
            done({true, {}});
            return;
        }
        // Executable by its mode but not runnable, as every file on a FAT stick: a document.
    }
    // An absolute path never starts with a dash, so xdg-open cannot take it for an option.
    openWithDesktop(file.absoluteFilePath(), QUrl::fromLocalFile(file.absoluteFilePath()),
                    NoProgramForFile, std::move(done));
}

void DesktopShell::openUrl(const QUrl& url, Completion done)
{
    const QString scheme = url.scheme();
    if (!url.isValid() ||
        (scheme != QLatin1StringView("https") && scheme != QLatin1StringView("http") &&
         scheme != QLatin1StringView("mailto"))) {
        done({false, QString::fromLatin1(PlatformTexts::NotALink)});
        return;
    }
    openWithDesktop(url.toString(QUrl::FullyEncoded), url, NoProgramForLink, std::move(done));
}

void DesktopShell::openWithDesktop(const QString& target, const QUrl& url, const QString& failure,
                                   Completion done)
{
    auto* process = new QProcess(this);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // Shared by both outcomes below, and emptied by the first, so the caller hears once.
    auto pending = std::make_shared<Completion>(std::move(done));
    const auto report = [process, pending](const Result& result) {
        // Out of the shell's hands first: the caller may destroy the shell in its completion.
        process->setParent(nullptr);
        process->deleteLater();
        if (const Completion completion = std::exchange(*pending, nullptr))
            completion(result);
    };

    connect(process, &QProcess::finished, this,
            [report, failure](int exitCode, QProcess::ExitStatus status) {
                if (status == QProcess::NormalExit && exitCode == 0)
                    report({true, {}});
                else
                    report({false, failure});
            });
    connect(process, &QProcess::errorOccurred, this,
            [report, url, failure](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                // Without xdg-open, Qt's own route to the desktop may still know a way.
                if (QDesktopServices::openUrl(url))
                    report({true, {}});
                else
                    report({false, failure});
            });
    process->start(QStringLiteral("xdg-open"), {target});
}
