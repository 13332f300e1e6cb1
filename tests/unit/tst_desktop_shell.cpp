#include "platform/linux/DesktopShell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Stands in for xdg-open: records its arguments and its id, then does what FAKE_XDG_OPEN says:
// exit with that code, or "sleep" as an opening still under way.
const char FakeXdgOpen[] = R"(#!/bin/sh
echo "$# $1" >> "$FAKE_XDG_OPEN_DIR/arguments"
echo $$ > "$FAKE_XDG_OPEN_DIR/pid"
[ "$FAKE_XDG_OPEN" = sleep ] && exec sleep 30
exit "$FAKE_XDG_OPEN"
)";

// Records every outcome an opening reports.
Shell::Completion into(QList<Shell::Result>& outcomes)
{
    return [&outcomes](const Shell::Result& outcome) { outcomes.append(outcome); };
}

bool writeFile(const QString& path, const QByteArray& content, bool executable = false)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           (!executable || file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

class tst_DesktopShell : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QByteArray m_path = qgetenv("PATH");

    QString file(const QString& name) const { return m_dir.filePath(name); }

    // What the fake xdg-open does next: an exit code, "sleep", or "missing" from the path.
    void setXdgOpen(const QByteArray& behaviour)
    {
        QFile::remove(file(u"arguments"_s));
        QFile::remove(file(u"pid"_s));
        qputenv("FAKE_XDG_OPEN", behaviour);
        qputenv("PATH", behaviour == "missing" ? file(u"empty"_s).toLocal8Bit()
                                               : file(u"bin"_s).toLocal8Bit() + ':' + m_path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(file(u"bin"_s)));
        QVERIFY(writeFile(file(u"bin/xdg-open"_s), FakeXdgOpen, true));
        QVERIFY(writeFile(file(u"notes.txt"_s), "a text\n"));
        // Like every file on a FAT stick: marked executable, yet no program.
        QVERIFY(writeFile(file(u"marked.mp3"_s), "ID3 not a program", true));
        QVERIFY(QDir().mkpath(file(u"program folder"_s)));
        QVERIFY(writeFile(file(u"program folder/run me"_s),
                          "#!/bin/sh\necho \"$# $PWD\" > started\n", true));
        qputenv("FAKE_XDG_OPEN_DIR", m_dir.path().toLocal8Bit());
    }

    void opensOrSaysWhyNot_data()
    {
        QTest::addColumn<QString>("path"); // a name in the test's folder
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("xdgOpen"); // empty: answered without asking the desktop
        QTest::addColumn<QString>("error");
        const auto row = [](const char* name, const char* path, const char* url,
                            const char* xdgOpen, const QString& error = {}) {
            QTest::newRow(name) << QString::fromUtf8(path) << QString::fromUtf8(url)
                                << QByteArray(xdgOpen) << error;
        };
        const QString noProgram = u"No program is set up to open this kind of file."_s;
        const char* page = "https://example.org/a%20page?x=1&y=2";
        row("no file chosen", "", "", "", u"No file was chosen."_s);
        row("missing file", "missing.txt", "", "", u"The file does not exist."_s);
        row("not a web or mail address", "", "ftp://example.org/", "",
            u"This is not a web or mail address."_s);
        row("program", "program folder/run me", "", "");
        row("document", "notes.txt", "", "0");
        row("document, no program", "notes.txt", "", "3", noProgram);
        row("document, no xdg-open: Qt is asked", "notes.txt", "", "missing", noProgram);
        row("executable but not runnable", "marked.mp3", "", "0");
        row("web page", "", page, "0");
        row("web page, no browser", "", page, "4",
            u"No program is set up to open this kind of link."_s);
        row("mail", "", "mailto:support@example.org?subject=Hello%20there", "0");
    }
    void opensOrSaysWhyNot()
    {
        QFETCH(QString, path);
        QFETCH(QString, url);
        QFETCH(QByteArray, xdgOpen);
        QFETCH(QString, error);
        setXdgOpen(xdgOpen.isEmpty() ? "0" : xdgOpen);
        DesktopShell shell;
        QList<Shell::Result> outcomes;

        if (url.isEmpty())
            shell.openPath(path.isEmpty() ? path : file(path), into(outcomes));
        else
            shell.openUrl(QUrl(url), into(outcomes));

        // A refusal or a started program comes at once, the desktop's answer later; once.
        QCOMPARE(outcomes.size(), xdgOpen.isEmpty() ? 1 : 0);
        QTRY_COMPARE(outcomes.size(), 1);
        QCOMPARE(outcomes[0].opened, error.isEmpty());
        QCOMPARE(outcomes[0].error, error);
        const bool asked = !xdgOpen.isEmpty() && xdgOpen != "missing";
        QCOMPARE(readFile(file(u"arguments"_s)),
                 asked ? "1 " + (url.isEmpty() ? file(path) : url).toLocal8Bit() : "");
        QTest::qWait(50);
        QCOMPARE(outcomes.size(), 1);
        if (path.endsWith(u"run me")) // without arguments, in its folder
            QTRY_COMPARE(
                readFile(file(u"program folder/started"_s)),
                "0 " + QFileInfo(file(u"program folder"_s)).canonicalFilePath().toLocal8Bit());
    }

    void aShellDestroyedWhileOpeningNeverReportsAndStopsXdgOpen()
    {
        setXdgOpen("sleep");
        auto shell = std::make_unique<DesktopShell>();
        QList<Shell::Result> outcomes;
        shell->openPath(file(u"notes.txt"_s), into(outcomes));
        QTRY_VERIFY(readFile(file(u"pid"_s)).toInt() > 0);
        const pid_t pid = readFile(file(u"pid"_s)).toInt();

        shell.reset();

        const bool outlived = kill(pid, 0) == 0;
        if (outlived)
            kill(pid, SIGKILL);
        QVERIFY2(!outlived, "xdg-open outlived the shell");
        QTest::qWait(50);
        QVERIFY(outcomes.isEmpty());
    }
};

QTEST_MAIN(tst_DesktopShell)
#include "tst_desktop_shell.moc"
