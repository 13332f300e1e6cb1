#include "ProgramInfo.h"
#include "platform/linux/DesktopShell.h"
#include "platform/linux/LockFileInstanceGuard.h"
#include "platform/linux/VolumeScale.h"
#include "platform/linux/XdgAutostartStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <future>
#include <limits>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The Linux services that need no bus, display or sound server: the single-instance lock, the
// logon entry and the shell, each in a folder of the test's own.
class tst_Platform : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
    }
    void write(const QString& name, const QByteArray& content, bool executable = false) const
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        if (executable)
            f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        // Stands in for xdg-open: records its arguments and its id, then exits with the code
        // FAKE_XDG_OPEN says, or stays as an opening still under way ("sleep").
        QDir().mkpath(file(u"bin"_s));
        write(u"bin/xdg-open"_s,
              "#!/bin/sh\necho \"$# $1\" > \"$FAKE_DIR/arguments\"\necho $$ > \"$FAKE_DIR/pid\"\n"
              "[ \"$FAKE_XDG_OPEN\" = sleep ] && exec sleep 30\nexit \"$FAKE_XDG_OPEN\"\n",
              true);
        qputenv("FAKE_DIR", m_dir.path().toLocal8Bit());
        qputenv("PATH", file(u"bin:"_s).toLocal8Bit() + qgetenv("PATH"));
    }

    // Whichever side is finer, there and back again lands where it started; the ends are held.
    void volumesScaleBothWays()
    {
        using namespace VolumeScale;
        for (const auto& [low, high] : {std::pair(0L, 65536L), std::pair(0L, 31L),
                                        std::pair(-10239L, 0L), std::pair(100L, 1000100L)}) {
            QCOMPARE(std::pair(valueFromRaw(low - 1, low, high), valueFromRaw(high + 1, low, high)),
                     std::pair(0u, 65535u));
            QCOMPARE(rawFromValue(std::numeric_limits<quint32>::max(), low, high), high);
            for (long raw = low; raw <= high && high - low <= 65535; ++raw)
                QCOMPARE(rawFromValue(valueFromRaw(raw, low, high), low, high), raw);
            for (quint32 value = 0; value <= 65535 && high - low > 65535; ++value)
                QCOMPARE(valueFromRaw(rawFromValue(value, low, high), low, high), value);
        }
    }

    // One copy runs; a later one hands it its request and is answered (or told it was not, and
    // then it is not carried out), or runs once the first has given the guard up; a lock whose
    // process is gone is taken over.
    void aLaterCopyHandsItsRequestToTheRunningOne()
    {
        using Outcome = InstanceGuard::Outcome;
        {
            LockFileInstanceGuard first(u"somnivo"_s);
            QCOMPARE(first.runOrHandOver(std::nullopt), Outcome::Running);
            QSignalSpy shown(&first, &InstanceGuard::showRequested);
            QSignalSpy run(&first, &InstanceGuard::runRequested);
            LockFileInstanceGuard second(u"somnivo"_s);
            const auto handOver = [&second](const std::optional<QStringList>& arguments) {
                return std::async(std::launch::async,
                                  [&second, arguments] { return second.runOrHandOver(arguments); });
            };
            qputenv("XDG_ACTIVATION_TOKEN", "token-7");
            auto asked = handOver(std::nullopt);
            QVERIFY(shown.wait(2000));
            QCOMPARE(std::pair(asked.get(), shown.last().value(0).toString()),
                     std::pair(Outcome::HandedOver, u"token-7"_s));
            qunsetenv("XDG_ACTIVATION_TOKEN");
            asked = handOver(QStringList{u"--in"_s, u"5 min"_s});
            QVERIFY(run.wait(2000));
            QCOMPARE(std::pair(asked.get(), run.last().value(0).toStringList()),
                     std::pair(Outcome::HandedOver, QStringList{u"--in"_s, u"5 min"_s}));
            // Asked while the first is too busy to answer in time (as when it is starting): told
            // it failed, and never carried out afterwards.
            QCOMPARE(handOver(QStringList{u"--stop"_s}).get(), Outcome::Unanswered);
            QTest::qWait(200);
            QCOMPARE(run.size(), 1);
            QVERIFY2(LockFileInstanceGuard(u"sleepy"_s).runOrHandOver({}) == Outcome::Running,
                     "another name runs beside");
            first.release();
            QCOMPARE(second.runOrHandOver(std::nullopt), Outcome::Running);
        }
        // A lock left by a copy that crashed (no process has this number) is taken over.
        write(u"somnivo.lock"_s,
              "99999999\nsomnivo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QCOMPARE(LockFileInstanceGuard(u"somnivo"_s).runOrHandOver({}), Outcome::Running);
    }

    // A connection that sends no whole request is dropped after two seconds, and no more than
    // sixteen wait at once.
    void silentConnectionsAreDropped()
    {
        QTest::failOnWarning(QRegularExpression(u"QSocketNotifier"_s));
        LockFileInstanceGuard guard(u"somnivo"_s);
        QCOMPARE(guard.runOrHandOver(std::nullopt), InstanceGuard::Outcome::Running);
        const QByteArray path = QFile::encodeName(file(u"somnivo.socket"_s));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(path.begin(), path.end(), address.sun_path);
        std::vector<int> silent;
        for (int i = 0; i < 17; ++i) {
            silent.push_back(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0));
            QCOMPARE(
                ::connect(silent.back(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        }
        const auto dropped = [](int connection) {
            char byte = 0;
            return recv(connection, &byte, 1, MSG_DONTWAIT) == 0;
        };
        QTRY_VERIFY(dropped(silent.back()));
        QCOMPARE(std::count_if(silent.begin(), silent.end(), dropped), 1);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(silent.begin(), silent.end(), dropped), 3000);
        auto asked = std::async(std::launch::async, [] {
            return LockFileInstanceGuard(u"somnivo"_s).runOrHandOver(std::nullopt);
        });
        QTRY_COMPARE(asked.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        QCOMPARE(asked.get(), InstanceGuard::Outcome::HandedOver);
        for (const int connection : silent)
            close(connection);
    }

    // The lock and the socket only go where nobody else can write: the runtime folder, else a
    // folder of the program's own in the cache folder, else nowhere (and the program says so).
    void theGuardLivesInAPrivateFolderOnly()
    {
        const QString cache = file(u"cache"_s);
        qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());
        qputenv("TMPDIR", file(u"tmp"_s).toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
        // Qt's own choice then is a runtime folder in TMPDIR; one that others may write in.
        const QString shared =
            file(u"tmp/runtime-"_s) + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)));
        {
            LockFileInstanceGuard guard(u"somnivo"_s);
            QCOMPARE(guard.runOrHandOver(std::nullopt), InstanceGuard::Outcome::Running);
            QVERIFY(QFile::exists(cache + u"/somnivo/somnivo.lock"_s));
            QCOMPARE(QFileInfo(cache + u"/somnivo"_s).permissions(),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                         QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
        }
        QVERIFY(QFile::setPermissions(cache + u"/somnivo"_s, QFileDevice::Permissions(0x7770)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^somnivo: no folder"_s));
        QCOMPARE(LockFileInstanceGuard(u"somnivo"_s).runOrHandOver(std::nullopt),
                 InstanceGuard::Outcome::Running);
        QVERIFY(!QFile::exists(cache + u"/somnivo/somnivo.lock"_s));
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    }

    void theLogonEntryQuotesTheProgramPathAndFollowsTheBox()
    {
        for (const auto& [folder, exec] :
             {std::pair(u"/opt/somnivo/"_s, u"/opt/somnivo/somnivo"_s),
              std::pair(u"/home/jürgen/睡眠"_s, u"/home/jürgen/睡眠/somnivo"_s),
              std::pair(u"/home/a b/it's"_s, u"\"/home/a b/it's/somnivo\""_s),
              std::pair(u"/x/\"$`\\"_s, u"\"/x/\\\\\"\\\\$\\\\`\\\\\\\\/somnivo\""_s),
              std::pair(u"/x/100%"_s, u"/x/100%%/somnivo"_s),
              std::pair(u"/x/a\tb"_s, u"\"/x/a\\tb/somnivo\""_s)})
            QCOMPARE(XdgAutostartStore::execValue(folder), exec);
        const auto entry = [](const QString& exec, const char* hidden) {
            return u"[Desktop Entry]\nType=Application\nName=%1\nIcon=%2\nStartupWMClass=%1\n"
                   u"Exec=%3\nHidden=%4"_s.arg(QString::fromUtf8(ProgramInfo::Title),
                                               QString::fromUtf8(ProgramInfo::AppId), exec,
                                               QLatin1StringView(hidden));
        };
        XdgAutostartStore store;
        // Disabling first creates the folder and an entry that starts nothing.
        for (const bool enabled : {false, true, false}) {
            QVERIFY(store.writeEntry(file(u"my programs"_s), enabled));
            QCOMPARE(QString::fromUtf8(read(u"autostart/SomnivoAutoStart.desktop"_s)),
                     enabled ? entry(u"\"%1/somnivo\""_s.arg(file(u"my programs"_s)), "false")
                             : entry(QString(), "true"));
        }
        QCOMPARE(QDir(file(u"autostart"_s)).count(), 3); // no temporary file left behind
    }

    // Programs are started directly; everything else goes to the desktop, whose answer comes
    // later; every failure is told, once.
    void theShellOpensOrSaysWhyNot()
    {
        write(u"notes.txt"_s, "a text\n");
        write(u"marked.mp3"_s, "ID3", true); // as on a FAT stick: executable, yet no program
        QDir().mkpath(file(u"program folder"_s));
        write(u"program folder/run me"_s, "#!/bin/sh\necho \"$# $PWD\" > started\n", true);
        const QString noProgram = u"No program is set up to open this kind of file."_s;
        for (const auto& [target, xdgOpen, error] :
             {std::tuple(QString(), "", u"No file was chosen."_s),
              std::tuple(file(u"missing.txt"_s), "", u"The file does not exist."_s),
              std::tuple(u"ftp://example.org/"_s, "", u"This is not a web or mail address."_s),
              std::tuple(file(u"program folder/run me"_s), "", QString()),
              std::tuple(file(u"notes.txt"_s), "0", QString()),
              std::tuple(file(u"notes.txt"_s), "3", noProgram),
              std::tuple(file(u"marked.mp3"_s), "0", QString()),
              std::tuple(u"mailto:support@example.org?subject=Hi%20there"_s, "0", QString())}) {
            QFile::remove(file(u"arguments"_s));
            qputenv("FAKE_XDG_OPEN", xdgOpen);
            DesktopShell shell;
            QList<Shell::Result> outcomes;
            const auto done = [&outcomes](const Shell::Result& result) { outcomes << result; };
            target.contains(u':') ? shell.openUrl(QUrl(target), done)
                                  : shell.openPath(target, done);
            QCOMPARE(outcomes.size(), *xdgOpen ? 0 : 1);
            QTRY_COMPARE(outcomes.size(), 1);
            QCOMPARE(std::pair(outcomes[0].opened, outcomes[0].error),
                     std::pair(error.isEmpty(), error));
            QCOMPARE(read(u"arguments"_s), *xdgOpen ? "1 " + target.toLocal8Bit() : "");
            QTest::qWait(50);
            QCOMPARE(outcomes.size(), 1);
        }
        // A program starts without arguments, in its own folder.
        QTRY_COMPARE(read(u"program folder/started"_s),
                     "0 " + QFileInfo(file(u"program folder"_s)).canonicalFilePath().toLocal8Bit());

        // A shell that goes while the desktop is still opening never reports, nor leaves it.
        // The id is read once, from a file no earlier opening wrote: a file caught empty would
        // read as 0, and a kill of 0 would end the whole process group running the tests.
        QFile::remove(file(u"pid"_s));
        qputenv("FAKE_XDG_OPEN", "sleep");
        auto shell = std::make_unique<DesktopShell>();
        bool reported = false;
        shell->openPath(file(u"notes.txt"_s),
                        [&reported](const Shell::Result&) { reported = true; });
        pid_t opening = 0;
        QTRY_VERIFY((opening = read(u"pid"_s).toInt()) > 0);
        shell.reset();
        const bool outlived = kill(opening, 0) == 0;
        if (outlived)
            kill(opening, SIGKILL);
        QVERIFY2(!outlived, "xdg-open outlived the shell");
        QTest::qWait(50);
        QVERIFY(!reported);
    }
};

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
