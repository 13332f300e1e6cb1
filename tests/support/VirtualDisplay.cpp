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
    : m_server(std::make_unique<QProcess>())
{
    // Xvfb picks a free display itself and writes its number to the descriptor given.
    m_server->setProgram(QStringLiteral("Xvfb"));
    m_server->setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                            QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp")});
    if (root == Root::Patterned)
        m_server->setArguments(m_server->arguments() << QStringLiteral("-retro"));
    m_server->setStandardErrorFile(QProcess::nullDevice());
    m_server->start();
    if (!m_server->waitForStarted(5000))
        return;
    QElapsedTimer timer;
    timer.start();
    QByteArray number;
    while (!number.contains('\n') && timer.elapsed() < 10000 &&
           m_server->state() == QProcess::Running) {
        m_server->waitForReadyRead(200);
        number += m_server->readAllStandardOutput();
    }
    if (!number.contains('\n'))
        return;
    m_name = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    // Only a server that answers, and is still ours, is of any use.
    QElapsedTimer answering;
    answering.start();
    // Asked for one property, xprop always prints something, if only "not found", once the
    // server answers.
    while (run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("WM_NAME")})
               .isEmpty()) {
        if (answering.elapsed() > 5000 || m_server->state() != QProcess::Running) {
            m_name.clear();
            return;
        }
        QThread::msleep(20);
    }
    if (manager == WindowManager::Openbox && !startOpenbox())
        m_name.clear();
}

VirtualDisplay::~VirtualDisplay()
{
    stop(m_windowManager);
    stop(m_server);
}

bool VirtualDisplay::startOpenbox()
{
    m_windowManager = std::make_unique<QProcess>();
    m_windowManager->setProcessEnvironment(toolEnvironment());
    m_windowManager->setStandardOutputFile(QProcess::nullDevice());
    m_windowManager->setStandardErrorFile(QProcess::nullDevice());
    m_windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!m_windowManager->waitForStarted(5000))
        return false;
    // The manager is up once it has announced itself on the root window.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        const QString check =
            run(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (check.contains(QStringLiteral("window id")))
            return true;
        QThread::msleep(50);
    }
    return false;
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
