#include "support/ProgramSession.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

// The real program on a private X server, checked from outside.
class tst_ProgramStartup : public QObject
{
    Q_OBJECT

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A copy of the program started beside the session's, on the same display and sound server.
    static std::unique_ptr<ProgramUnderTest> another(const ProgramSession& session,
                                                     const QString& programPath)
    {
        auto program = std::make_unique<ProgramUnderTest>(session.display, programPath);
        program->useSoundServer(session.sound);
        return program->start() ? std::move(program) : nullptr;
    }

private slots:
    void aSettingIsOnDiskTheMomentItChanges()
    {
        ProgramSession session;
        QVERIFY(session.startSound() && session.launch());
        // "BlackScreen" lies at (176, 127) in the window: inside the options frame at (3, -3).
        session.click({183, 134});
        session.program->killHard();
        const QByteArray stored = contents(session.home.settingsFile(QStringLiteral("somnivo")));
        QVERIFY2(stored.contains("BlackScreen=0\n"), stored.constData());
    }

    void aSecondCopyChangesNothingAndShowsTheFirst()
    {
        ProgramSession session(VirtualDisplay::WindowManager::Openbox);
        QVERIFY(session.startSound() && session.launch());
        session.xdotool({QStringLiteral("windowminimize"), QString::number(session.window)});
        QTRY_VERIFY(!session.display.isViewable(session.window));

        const QString file = session.home.settingsFile(QStringLiteral("somnivo"));
        const QByteArray before = contents(file);
        const QDateTime modifiedBefore = QFileInfo(file).lastModified();
        QVERIFY(!before.isEmpty());
        QThread::msleep(20); // so that any rewrite would show in the modification time

        QElapsedTimer timer;
        timer.start();
        auto second = another(session, ProgramUnderTest::builtProgram());
        QVERIFY(second && second->process().waitForFinished(1000));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(second->process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->process().exitCode(), 0);

        QCOMPARE(contents(file), before);
        QCOMPARE(QFileInfo(file).lastModified(), modifiedBefore);
        QTRY_VERIFY_WITH_TIMEOUT(session.display.isViewable(session.window), 3000);
        QCOMPARE(session.program->process().state(), QProcess::Running);
    }

    void aRenamedCopyStartsWithDefaultsOfItsOwn()
    {
        ProgramSession session;
        session.store({{SettingKey::ShutDown, QStringLiteral("2")}});
        const QString original = session.home.settingsFile(QStringLiteral("somnivo"));
        const QByteArray before = contents(original);

        const QString renamed = session.home.path() + QStringLiteral("/sleepy");
        QVERIFY(QFile::copy(ProgramUnderTest::builtProgram(), renamed));
        QVERIFY(session.startSound());
        auto copy = another(session, renamed);
        QVERIFY(copy && session.display.waitForWindow(ProgramSession::MainTitle));
        const QByteArray own = contents(session.home.settingsFile(QStringLiteral("sleepy")));
        for (const char* line : {"SetTime=5", "ShutDown=1", "BlackScreen=1", "Dimin=1"})
            QVERIFY2(own.contains(line), own.constData());
        QCOMPARE(contents(original), before);
    }
};

QTEST_GUILESS_MAIN(tst_ProgramStartup)
#include "tst_program_startup.moc"
