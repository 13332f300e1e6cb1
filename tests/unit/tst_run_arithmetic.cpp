#include "engine/RunArithmetic.h"

#include <QTest>

using namespace RunArithmetic;

class tst_RunArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void countdownLengthAndFadeStep_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slider");
        QTest::addColumn<double>("runMs");
        QTest::addColumn<int>("step");
        QTest::newRow("90 minutes") << QStringLiteral("90") << 20000 << 5'400'000.0 << 4;
        QTest::newRow("fraction") << QStringLiteral("2.5") << 20000 << 150'000.0 << 133;
        QTest::newRow("negative") << QStringLiteral("-5") << 20000 << 300'000.0 << 67;
        QTest::newRow("too quiet to fade") << QStringLiteral("60") << 100 << 3'600'000.0 << 0;
        QTest::newRow("half a minute") << QStringLiteral("0.5") << 20000 << 30'000.0 << 667;
        QTest::newRow("30 minutes") << QStringLiteral("30") << 20000 << 1'800'000.0 << 11;
    }
    void countdownLengthAndFadeStep()
    {
        QFETCH(QString, text);
        QFETCH(int, slider);
        QFETCH(double, runMs);
        QFETCH(int, step);
        const double minutes = countdownMinutes(text);
        QCOMPARE(minutes * 60 * 1000, runMs);
        QCOMPARE(fadeStep(slider, minutes), step);
    }

    void countdownsThatReadAsNoTime()
    {
        for (const char* text : {"", "abc", "00", "-0", "0", ".", "-"})
            QCOMPARE(countdownMinutes(QString::fromLatin1(text)), 0.0);
        // A clock-time run of no length spreads the fade over a minute.
        QCOMPARE(fadeStep(20000, 0), 333);
    }

    void clockTimeLength_data()
    {
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<int>("minutes");
        QTest::newRow("later today")
            << QStringLiteral("23:40") << QStringLiteral("23") << QStringLiteral("50") << 10;
        QTest::newRow("past midnight")
            << QStringLiteral("23:50") << QStringLiteral("00") << QStringLiteral("10") << 20;
        QTest::newRow("this very minute")
            << QStringLiteral("10:00") << QStringLiteral("10") << QStringLiteral("00") << 0;
        QTest::newRow("a minute ago: tomorrow")
            << QStringLiteral("07:31") << QStringLiteral("07") << QStringLiteral("30") << 1439;
        QTest::newRow("typed hour beyond the clock")
            << QStringLiteral("10:00") << QStringLiteral("25") << QStringLiteral("0") << 900;
    }
    void clockTimeLength()
    {
        QFETCH(QString, now);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(int, minutes);
        QCOMPARE(clockTimeMinutes(now, hour, minute), minutes);
    }

    void clockTimesThatDoNotFitAreRefused()
    {
        QCOMPARE(clockTimeMinutes(u"10:00", u"99999999999", u"0"), std::nullopt);
        QCOMPARE(clockTimeMinutes(u"10:00", u"0", u"-99999999999"), std::nullopt);
        // Each fits, but the minute total does not.
        QCOMPARE(clockTimeMinutes(u"10:00", u"2000000000", u"0"), std::nullopt);
        QCOMPARE(clockTimeMinutes(u"10:00", u"-2000000000", u"0"), std::nullopt);
    }

    void theProgressLineShrinksToItsLeftEnd()
    {
        QCOMPARE(progressX2(4290, 4125, 0.0), 4290.0);
        QCOMPARE(progressX2(4290, 4125, 0.5), 2227.5);
        QCOMPARE(progressX2(4290, 4125, 1.0), 165.0);
        QCOMPARE(progressX2(4290, 4125, 1.1), 165.0 - 412.5);
        QCOMPARE(progressX2(0, 0, 0.7), 0.0);
        QCOMPARE(elapsedFraction(1'030'000, 1'000'000, 60'000), 0.5);
        QCOMPARE(elapsedFraction(1'000'000, 1'000'000, 0), 1.0);
    }

    void exitFlagsOfTheActions()
    {
        QCOMPARE(exitFlags(0), 4u);
        QCOMPARE(exitFlags(1), 13u);
        QCOMPARE(exitFlags(2), 6u);
        QCOMPARE(exitFlags(4), 4u);
        QCOMPARE(exitFlags(9), 13u);
    }
};

QTEST_APPLESS_MAIN(tst_RunArithmetic)
#include "tst_run_arithmetic.moc"
