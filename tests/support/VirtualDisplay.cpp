#include "VirtualDisplay.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace {

void stop(std::unique_ptr<QProcess>& process)
{
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(2000)) {
        process->kill();
        process->waitForFinished(2000);
    }
}

} // namespace

VirtualDisplay::VirtualDisplay(WindowManager manager, Root root)
{
    // A busy machine now and then loses a server or a window manager at start: one more try.
    for (int attempt = 0; attempt < 2 && m_name.isEmpty(); ++attempt) {
        if (start(manager, root))
            break;
        qWarning("Virtual display did not come up: %s", qPrintable(m_failure));
        stop(m_windowManager);
        stop(m_server);
        m_name.clear();
    }
}

bool VirtualDisplay::start(WindowManager manager, Root root)
{
    // Xvfb picks a free display itself and writes its number to the descriptor given.
    m_server = std::make_unique<QProcess>();
    QStringList arguments{QStringLiteral("-displayfd"),  QStringLiteral("1"),
                          QStringLiteral("-screen"),     QStringLiteral("0"),
                          QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")};
    if (root == Root::Patterned)
        arguments << QStringLiteral("-retro");
    m_server->start(QStringLiteral("Xvfb"), arguments);
    QElapsedTimer timer;
    timer.start();
    QByteArray number;
    while (!number.contains('\n') && timer.elapsed() < 10000) {
        if (!m_server->waitForReadyRead(200) && m_server->state() != QProcess::Running)
            break;
        number += m_server->readAllStandardOutput();
    }
    if (!number.contains('\n'))
        return fail(QStringLiteral("Xvfb named no display: ") +
                    QString::fromLocal8Bit(m_server->readAllStandardError()));
    m_name = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    // Asked for one property, xprop always prints something, if only "not found", once the
    // server answers.
    if (!waitFor([this] {
            return !run(QStringLiteral("xprop"),
                        {QStringLiteral("-root"), QStringLiteral("WM_NAME")})
                        .isEmpty();
        }))
        return fail(QStringLiteral("Xvfb on %1 does not answer").arg(m_name));
    if (manager == WindowManager::None)
        return true;

    m_windowManager = std::make_unique<QProcess>();
    m_windowManager->setProcessEnvironment(toolEnvironment());
    m_windowManager->setProcessChannelMode(QProcess::MergedChannels);
    m_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // The manager is up once it has announced itself on the root window.
    if (!waitFor([this] {
            return run(QStringLiteral("xprop"),
                       {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id"));
        }))
        return fail(QStringLiteral("openbox did not take over %1: ").arg(m_name) +
                    QString::fromLocal8Bit(m_windowManager->readAll()));
    return true;
}

bool VirtualDisplay::waitFor(const std::function<bool()>& ready) const
{
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > 10000)
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool VirtualDisplay::fail(const QString& failure)
{
    m_failure = failure;
    return false;
}

VirtualDisplay::~VirtualDisplay()
{
    stop(m_windowManager);
    stop(m_server);
}

QProcessEnvironment VirtualDisplay::toolEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_name);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("XAUTHORITY"));
    return environment;
}

QString VirtualDisplay::run(const QString& tool, const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.start(tool, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(1000);
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

quint64 VirtualDisplay::waitForWindow(const QString& title, int timeoutMs) const
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    QElapsedTimer timer;
    timer.start();
    do {
        const QString found = run(QStringLiteral("xdotool"),
                                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--name"), pattern});
        const QString first = found.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (!first.isEmpty())
            return first.toULongLong();
        QThread::msleep(50);
    } while (timer.elapsed() < timeoutMs);
    return 0;
}

QPoint VirtualDisplay::windowPosition(quint64 window) const
{
    return geometry(window).topLeft();
}

bool VirtualDisplay::isViewable(quint64 window) const
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)})
        .contains(QStringLiteral("Map State: IsViewable"));
}

void VirtualDisplay::click(const QPoint& screenPosition) const
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(screenPosition.x()),
         QString::number(screenPosition.y()), QStringLiteral("click"), QStringLiteral("1")});
}

long VirtualDisplay::nonBlackPixels() const
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("shot.png"));
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot}, 10000);
    if (!QFile::exists(shot))
        return -1;
    const QString count =
        run(QStringLiteral("convert"),
            {shot, QStringLiteral("-fill"), QStringLiteral("white"), QStringLiteral("+opaque"),
             QStringLiteral("black"), QStringLiteral("-format"),
             QStringLiteral("%[fx:int(mean*w*h+0.5)]"), QStringLiteral("info:")});
    bool ok = false;
    const long pixels = count.trimmed().toLong(&ok);
    return ok ? pixels : -1;
}

bool VirtualDisplay::pointerVisible() const
{
    return run(QStringLiteral(SOMNIVO_CURSOR_PROBE_PATH), {}).trimmed().toLong() > 0;
}

QList<quint64> VirtualDisplay::stacking() const
{
    const QString property =
        run(QStringLiteral("xprop"),
            {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<quint64> windows;
    static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
    for (auto match = id.globalMatch(property); match.hasNext();)
        windows.append(match.next().captured().toULongLong(nullptr, 16));
    return windows;
}

QRect VirtualDisplay::geometry(quint64 window) const
{
    const QString info =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    const auto number = [&info](const char* label) {
        const auto match =
            QRegularExpression(QLatin1StringView(label) + QStringLiteral(":\\s+(-?\\d+)"))
                .match(info);
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
            number("Height")};
}
