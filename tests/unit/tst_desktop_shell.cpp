#include "platform/linux/DesktopShell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

namespace {

// Stands in for xdg-open: records its arguments and its process id, then exits with the code
// the test chose, or first sleeps when the test wants an opening still under way.
const char FakeXdgOpen[] = R"(#!/bin/sh
echo "$# $1" >> "$FAKE_XDG_OPEN_DIR/arguments"
echo $$ > "$FAKE_XDG_OPEN_DIR/pid"
[ -n "$FAKE_XDG_OPEN_SLEEP" ] && exec sleep "$FAKE_XDG_OPEN_SLEEP"
exit "${FAKE_XDG_OPEN_EXIT:-0}"
)";

// Counts the completions an opening reports and keeps the last.
struct Outcome
{
    int count = 0;
    Shell::Result result;

    Shell::Completion completion()
    {
        return [this](const Shell::Result& r) {
            ++count;
            result = r;
        };
    }
};

bool writeFile(const QString& path, const QByteArray& content, bool executable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
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

private:
    QTemporaryDir m_dir;
    QByteArray m_savedPath;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString binDir() const { return file(QStringLiteral("bin")); }
    QByteArray recordedArguments() const { return readFile(file(QStringLiteral("arguments"))); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(binDir()));
        QVERIFY(writeFile(binDir() + QStringLiteral("/xdg-open"), FakeXdgOpen, true));
        QVERIFY(writeFile(file(QStringLiteral("notes.txt")), "a text\n"));
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", binDir().toLocal8Bit() + ':' + m_savedPath);
        qputenv("FAKE_XDG_OPEN_DIR", m_dir.path().toLocal8Bit());
    }

    void cleanupTestCase() { qputenv("PATH", m_savedPath); }

    void cleanup()
    {
        QFile::remove(file(QStringLiteral("arguments")));
        QFile::remove(file(QStringLiteral("pid")));
        qunsetenv("FAKE_XDG_OPEN_EXIT");
        qunsetenv("FAKE_XDG_OPEN_SLEEP");
    }

    void refusesAtOnceWhatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("error");

        const QString missing = QStringLiteral("The file does not exist.");
        QTest::newRow("no file chosen")
            << QString() << QUrl() << QStringLiteral("No file was chosen.");
        QTest::newRow("missing file") << QStringLiteral("missing.txt") << QUrl() << missing;
        QTest::newRow("link to a missing file") << QStringLiteral("dangling") << QUrl() << missing;
        QTest::newRow("not a web or mail address")
            << QString() << QUrl(QStringLiteral("ftp://example.org/"))
            << QStringLiteral("This is not a web or mail address.");
    }

    void refusesAtOnceWhatCannotBeOpened()
    {
        QFETCH(QString, path);
        QFETCH(QUrl, url);
        QFETCH(QString, error);
        QFile::link(file(QStringLiteral("missing.txt")), file(QStringLiteral("dangling")));
        DesktopShell shell;
        Outcome outcome;

        if (url.isEmpty())
            shell.openPath(path.isEmpty() ? path : file(path), outcome.completion());
        else
            shell.openUrl(url, outcome.completion());

        QCOMPARE(outcome.count, 1);
        QVERIFY(!outcome.result.opened);
        QCOMPARE(outcome.result.error, error);
        QVERIFY(!QFile::exists(file(QStringLiteral("arguments"))));
    }

    void startsAProgramInItsFolderWithoutArguments()
    {
        const QString folder = file(QStringLiteral("program folder"));
        QVERIFY(QDir().mkpath(folder));
        const QString program = folder + QStringLiteral("/run me");
        QVERIFY(writeFile(program, "#!/bin/sh\necho \"$# $PWD\" > started\n", true));
        DesktopShell shell;
        Outcome outcome;

        shell.openPath(program, outcome.completion());

        QCOMPARE(outcome.count, 1);
        QVERIFY2(outcome.result.opened, qPrintable(outcome.result.error));
        const QByteArray expected = "0 " + QFileInfo(folder).canonicalFilePath().toLocal8Bit();
        QTRY_COMPARE(readFile(folder + QStringLiteral("/started")), expected);
        QVERIFY(!QFile::exists(file(QStringLiteral("arguments"))));
    }

    void leavesOtherFilesAndLinksToTheDesktop_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");

        const QString noProgram = QStringLiteral("No program is set up to open this kind of file.");
        const QString noLinkProgram =
            QStringLiteral("No program is set up to open this kind of link.");
        const QUrl page(QStringLiteral("https://example.org/a%20page?x=1&y=2"));
        const QUrl mail(QStringLiteral("mailto:support@example.org?subject=Hello%20there"));
        QTest::newRow("document") << QStringLiteral("notes.txt") << QUrl() << 0 << QString();
        QTest::newRow("document, no program")
            << QStringLiteral("notes.txt") << QUrl() << 3 << noProgram;
        QTest::newRow("folder") << QStringLiteral("bin") << QUrl() << 0 << QString();
        QTest::newRow("executable but not runnable")
            << QStringLiteral("marked.mp3") << QUrl() << 0 << QString();
        QTest::newRow("web page") << QString() << page << 0 << QString();
        QTest::newRow("web page, no browser") << QString() << page << 4 << noLinkProgram;
        QTest::newRow("mail") << QString() << mail << 0 << QString();
    }

    void leavesOtherFilesAndLinksToTheDesktop()
    {
        QFETCH(QString, path);
        QFETCH(QUrl, url);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        // Like every file on a FAT stick: marked executable, yet no program.
        QVERIFY(writeFile(file(QStringLiteral("marked.mp3")), "ID3 not a program", true));
        qputenv("FAKE_XDG_OPEN_EXIT", QByteArray::number(exitCode));
        DesktopShell shell;
        Outcome outcome;

        if (url.isEmpty())
            shell.openPath(file(path), outcome.completion());
        else
            shell.openUrl(url, outcome.completion());

        QCOMPARE(outcome.count, 0);
        QTRY_COMPARE(outcome.count, 1);
        QCOMPARE(outcome.result.opened, error.isEmpty());
        QCOMPARE(outcome.result.error, error);
        const QString target = url.isEmpty() ? file(path) : url.toString(QUrl::FullyEncoded);
        QCOMPARE(recordedArguments(), "1 " + target.toLocal8Bit());
        QTest::qWait(50);
        QCOMPARE(outcome.count, 1);
    }

    void withoutXdgOpenAsksQtOnce()
    {
        // Nothing on the path: neither xdg-open nor any browser Qt might look for.
        qputenv("PATH", file(QStringLiteral("empty")).toLocal8Bit());
        const auto restorePath =
            qScopeGuard([this] { qputenv("PATH", binDir().toLocal8Bit() + ':' + m_savedPath); });
        DesktopShell shell;
        Outcome outcome;

        shell.openPath(file(QStringLiteral("notes.txt")), outcome.completion());

        QTRY_COMPARE(outcome.count, 1);

        QVERIFY(!outcome.result.opened);
        QCOMPARE(outcome.result.error,
                 QStringLiteral("No program is set up to open this kind of file."));
        QTest::qWait(50);
        QCOMPARE(outcome.count, 1);
    }

    void aShellDestroyedWhileOpeningNeverReportsAndStopsXdgOpen()
    {
        qputenv("FAKE_XDG_OPEN_SLEEP", "30");
        auto shell = std::make_unique<DesktopShell>();
        Outcome outcome;
        shell->openPath(file(QStringLiteral("notes.txt")), outcome.completion());
        QTRY_VERIFY(!readFile(file(QStringLiteral("pid"))).isEmpty());
        const pid_t pid = readFile(file(QStringLiteral("pid"))).toInt();
        QVERIFY(pid > 0);

        shell.reset();

        const bool outlived = kill(pid, 0) == 0;
        if (outlived)
            kill(pid, SIGKILL);
        QVERIFY2(!outlived, "xdg-open outlived the shell");
        QTest::qWait(50);
        QCOMPARE(outcome.count, 0);
    }
};

QTEST_MAIN(tst_DesktopShell)
#include "tst_desktop_shell.moc"
