#include "support/PrivatePulseAudio.h"
#include "support/ProgramUnderTest.h"
#include "support/TestHome.h"
#include "support/VirtualDisplay.h"

#include <QCryptographicHash>
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

    const QString title = QStringLiteral("Somnivo - Auto Shutdown Timer ");

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void aSettingIsOnDiskTheMomentItChanges()
    {
        TestHome home;
        PrivatePulseAudio sound;
        QVERIFY2(sound.start(), qPrintable(sound.errorString()));
        VirtualDisplay display;
        QVERIFY(display.isRunning());
        ProgramUnderTest program(display);
        program.useSoundServer(sound);
        QVERIFY(program.start());
        const quint64 window = display.waitForWindow(title);
        QVERIFY(window);

        // "BlackScreen" lies at (176, 127) in the window: inside the options frame at (3, -3).
        display.click(display.windowPosition(window) + QPoint(183, 134));
        program.killHard();
        const QString file = home.settingsFile(QStringLiteral("somnivo"));
        QVERIFY2(contents(file).contains("BlackScreen=0\n"), contents(file).constData());
    }

    void aSecondCopyChangesNothingAndShowsTheFirst()
    {
        TestHome home;
        PrivatePulseAudio sound;
        QVERIFY2(sound.start(), qPrintable(sound.errorString()));
        VirtualDisplay display(VirtualDisplay::WindowManager::Openbox);
        QVERIFY(display.isRunning());
        ProgramUnderTest first(display);
        first.useSoundServer(sound);
        QVERIFY(first.start());
        const quint64 window = display.waitForWindow(title);
        QVERIFY(window);
        display.run(QStringLiteral("xdotool"),
                    {QStringLiteral("windowminimize"), QString::number(window)});
        QTRY_VERIFY(!display.isViewable(window));

        const QString file = home.settingsFile(QStringLiteral("somnivo"));
        const QByteArray before = contents(file);
        const QDateTime modifiedBefore = QFileInfo(file).lastModified();
        QVERIFY(!before.isEmpty());
        QThread::msleep(20); // so that any rewrite would show in the modification time

        ProgramUnderTest second(display);

        second.useSoundServer(sound);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(1000));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);

        QCOMPARE(contents(file), before);
        QCOMPARE(QFileInfo(file).lastModified(), modifiedBefore);
        QTRY_VERIFY_WITH_TIMEOUT(display.isViewable(window), 3000);
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    void aRenamedCopyStartsWithDefaultsOfItsOwn()
    {
        TestHome home;
        PrivatePulseAudio sound;
        QVERIFY2(sound.start(), qPrintable(sound.errorString()));
        const QString original = home.settingsFile(QStringLiteral("somnivo"));
        {
            VirtualDisplay display;
            ProgramUnderTest program(display);
            program.useSoundServer(sound);
            QVERIFY(program.start());
            QVERIFY(display.waitForWindow(title));
        }
        const QByteArray before = contents(original);
        QVERIFY(before.contains("ShutDown=1"));

        const QString renamed = home.path() + QStringLiteral("/sleepy");
        QVERIFY(QFile::copy(ProgramUnderTest::builtProgram(), renamed));
        VirtualDisplay display;
        ProgramUnderTest copy(display, renamed);
        copy.useSoundServer(sound);
        QVERIFY(copy.start());
        QVERIFY(display.waitForWindow(title));
        const QByteArray own = contents(home.settingsFile(QStringLiteral("sleepy")));
        for (const char* line : {"SetTime=5", "ShutDown=1", "BlackScreen=1", "Dimin=1"})
            QVERIFY2(own.contains(line), own.constData());
        QCOMPARE(contents(original), before);
    }
};

QTEST_GUILESS_MAIN(tst_ProgramStartup)
#include "tst_program_startup.moc"
