#include "platform/linux/LockFileInstanceGuard.h"
#include "support/TestHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_InstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void aSecondCopyIsRefusedAndAsksTheFirstToShowUntilTheFirstIsGone()
    {
        TestHome home;
        {
            LockFileInstanceGuard first(u"somnivo"_s);
            QVERIFY(first.tryAcquire());
            QVERIFY(QFile::exists(home.runtimeDir() + u"/somnivo.lock"_s));
            LockFileInstanceGuard second(u"somnivo"_s);
            QVERIFY(!second.tryAcquire());
            QSignalSpy shown(&first, &InstanceGuard::showRequested);
            second.askRunningCopyToShow();
            QVERIFY(shown.wait(2000));
            QCOMPARE(shown.count(), 1);
            LockFileInstanceGuard renamed(u"sleepy"_s);
            QVERIFY2(renamed.tryAcquire(), "a copy under another name runs beside it");
        }
        LockFileInstanceGuard next(u"somnivo"_s);
        QVERIFY(next.tryAcquire());
    }

    void aLockLeftByACrashedCopyIsTakenOver()
    {
        TestHome home;
        // No process can have this number: the copy that left the lock is gone.
        QFile stale(home.runtimeDir() + u"/somnivo.lock"_s);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("99999999\nsomnivo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        LockFileInstanceGuard guard(u"somnivo"_s);
        QVERIFY(guard.tryAcquire());
    }

    void askingWhenNobodyListensReturnsAtOnce()
    {
        TestHome home;
        QElapsedTimer timer;
        timer.start();
        LockFileInstanceGuard(u"somnivo"_s).askRunningCopyToShow();
        QVERIFY(timer.elapsed() < 400);
    }
};

QTEST_GUILESS_MAIN(tst_InstanceGuard)
#include "tst_instance_guard.moc"
