#include "platform/linux/LockFileInstanceGuard.h"
#include "support/TestHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

class tst_InstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void aSecondCopyIsRefusedAndAsksTheFirstToShow()
    {
        TestHome home;
        LockFileInstanceGuard first(QStringLiteral("somnivo"));
        QVERIFY(first.tryAcquire());
        QVERIFY(QFile::exists(home.runtimeDir() + QStringLiteral("/somnivo.lock")));

        LockFileInstanceGuard second(QStringLiteral("somnivo"));
        QVERIFY(!second.tryAcquire());

        QSignalSpy shown(&first, &InstanceGuard::showRequested);
        second.askRunningCopyToShow();
        QVERIFY(shown.wait(2000));
        QCOMPARE(shown.count(), 1);
    }

    void theGuardIsFreeAgainOnceItsHolderIsGone()
    {
        TestHome home;
        {
            LockFileInstanceGuard first(QStringLiteral("somnivo"));
            QVERIFY(first.tryAcquire());
            LockFileInstanceGuard renamed(QStringLiteral("sleepy"));
            QVERIFY2(renamed.tryAcquire(), "a copy under another name runs beside it");
        }
        LockFileInstanceGuard next(QStringLiteral("somnivo"));
        QVERIFY(next.tryAcquire());
    }

    void aLockLeftByACrashedCopyIsTakenOver()
    {
        TestHome home;
        QProcess gone;
        gone.start(QStringLiteral("/bin/true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile stale(home.runtimeDir() + QStringLiteral("/somnivo.lock"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(deadPid) + "\nsomnivo\n" +
                    QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();

        LockFileInstanceGuard guard(QStringLiteral("somnivo"));
        QVERIFY(guard.tryAcquire());
    }

    void askingWhenNobodyListensReturnsAtOnce()
    {
        TestHome home;
        LockFileInstanceGuard lonely(QStringLiteral("somnivo"));
        QElapsedTimer timer;
        timer.start();
        lonely.askRunningCopyToShow();
        QVERIFY(timer.elapsed() < 400);
    }
};

QTEST_GUILESS_MAIN(tst_InstanceGuard)
#include "tst_instance_guard.moc"
