#include "support/ProgramSession.h"

#include <QElapsedTimer>
#include <QTest>

// The black screen of a run, seen on a private X server with a window manager and a patterned
// root, and dismissed with real input.
class tst_BlackScreen : public QObject
{
    Q_OBJECT

    const QRect screen{0, 0, 1280, 800};

    // The program's window that covers the whole screen, if one is up.
    static quint64 blackScreen(const VirtualDisplay& display, const ProgramUnderTest& program,
                               const QRect& screen)
    {
        const QString found = display.run(
            QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
             QString::number(const_cast<ProgramUnderTest&>(program).process().processId())});
        for (const QString& id : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (display.geometry(id.toULongLong()) == screen)
                return id.toULongLong();
        }
        return 0;
    }

private slots:
    void theScreenGoesBlackAndComesBackUntilStopped()
    {
        ProgramSession session(VirtualDisplay::WindowManager::Openbox,
                               VirtualDisplay::Root::Patterned);
        session.store({{SettingKey::SetTime, QStringLiteral("5")},
                       {SettingKey::ShutDown, QStringLiteral("3")}});
        QVERIFY(session.startSound() && session.launch());
        const VirtualDisplay& display = session.display;
        ProgramUnderTest& program = *session.program;
        const QPoint sleepNow = display.windowPosition(session.window) + ProgramSession::SleepNow;

        display.click(sleepNow);
        QElapsedTimer sinceArming;
        sinceArming.start();
        quint64 black = 0;
        QTRY_VERIFY_WITH_TIMEOUT((black = blackScreen(display, program, screen)), 8000);
        QVERIFY2(sinceArming.elapsed() >= 4500, qPrintable(QString::number(sinceArming.elapsed())));

        // Above everything, the pointer gone over it, nothing but black to be seen.
        display.run(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("400")});
        QTRY_VERIFY_WITH_TIMEOUT(!display.pointerVisible(), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(display.stacking().value(display.stacking().size() - 1), black,
                                  2000);
        QCOMPARE(display.nonBlackPixels(), 0L);

        display.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("shift")});
        QTRY_VERIFY_WITH_TIMEOUT(!blackScreen(display, program, screen), 2000);
        QVERIFY(display.pointerVisible());
        QVERIFY(display.nonBlackPixels() > 0);

        // Back within five seconds; dismissed again, "Stop" ends the run for good.
        QTRY_VERIFY_WITH_TIMEOUT(blackScreen(display, program, screen), 6000);
        display.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("shift")});
        QTRY_VERIFY_WITH_TIMEOUT(!blackScreen(display, program, screen), 2000);
        display.click(sleepNow);
        QTest::qWait(6000);
        QVERIFY(!blackScreen(display, program, screen));
        QCOMPARE(program.process().state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(tst_BlackScreen)
#include "tst_black_screen.moc"
