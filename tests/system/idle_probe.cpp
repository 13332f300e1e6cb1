#include "platform/linux/DesktopIdleSource.h"

#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <chrono>
#include <cstdio>

// Tells on standard output how this desktop tells the time without input, then each change, with
// the monotonic clock's milliseconds: "way 1 at 5200", "idle 1002 at 5230", "active at 7400". A
// line "stop" or "follow" on standard input does that, and is said back once done.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const auto say = [](const QByteArray& line) {
        const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        std::printf("%s at %lld\n", line.constData(), static_cast<long long>(now.count()));
        std::fflush(stdout);
    };
    DesktopIdleSource source;
    QObject::connect(&source, &IdleSource::idle, &app,
                     [&](qint64 forMs) { say("idle " + QByteArray::number(forMs)); });
    QObject::connect(&source, &IdleSource::active, &app, [&] { say("active"); });
    source.findWay([&](IdleSource::Way way) {
        say("way " + QByteArray::number(static_cast<int>(way)));
        source.follow();
    });
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    QSocketNotifier commands(0, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, &app, [&] {
        const QByteArray command = input.readLine().trimmed();
        if (command == "stop")
            source.stop();
        else if (command == "follow")
            source.follow();
        else
            app.quit();
        say(command);
    });
    return app.exec();
}
