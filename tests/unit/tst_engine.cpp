#include "engine/Conversions.h"
#include "engine/EndingText.h"
#include "engine/RunArithmetic.h"
#include "engine/RunEnd.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <tuple>

using namespace Conversions;
using namespace RunArithmetic;
using namespace Qt::StringLiterals;

// The sleep run's arithmetic: the number rule, rounding, run lengths, the fade step, the
// progress line and the exit flags.
class tst_Engine : public QObject
{
    Q_OBJECT

private slots:
    void theNumberOfATextIsItsLeadingNumber()
    {
        const std::pair<const char*, double> rows[] = {
            {"", 0},        {"23", 23},     {"2.5", 2.5},  {".5", 0.5},   {"-5", -5},
            {"+7", 7},      {" \t 12", 12}, {"12abc", 12}, {"abc12", 0},  {"-", 0},
            {".", 0},       {"1.5.2", 1.5}, {"1,5", 1},    {"12 34", 12}, {"1e3", 1000},
            {"15D-1", 1.5}, {"4e", 4}};
        for (const auto& [text, number] : rows)
            QCOMPARE(std::pair(text, numberOf(QString::fromLatin1(text))), std::pair(text, number));
        QVERIFY(numberOf(u"1e999") > 1e300 && numberOf(u"-1e999") < -1e300);
        QCOMPARE(numberOf(u"1e-999"), 0.0);
    }

    void roundingTakesHalvesToEvenAndRefusesWhatDoesNotFit()
    {
        QCOMPARE(QList<double>({roundHalfEven(0.5), roundHalfEven(1.5), roundHalfEven(2.5),
                                roundHalfEven(-2.5), roundHalfEven(2227.5)}),
                 QList<double>({0, 2, 2, -2, 2228}));
        QCOMPARE(toInt32(-2147483648.5), std::numeric_limits<qint32>::min()); // even: in range
        for (const double outside : {2147483647.5, std::nan(""), HUGE_VAL})
            QCOMPARE(toInt32(outside), std::nullopt);
        QCOMPARE(std::tuple(toInt32Saturated(1e12), toInt32Saturated(std::nan("")),
                            toInt32Saturated(22.5)),
                 std::tuple(std::numeric_limits<qint32>::max(), 0, 22));
    }

    void countdownLengthAndFadeStep()
    {
        // Countdown text, slider value: run length in ms, fade step.
        for (const auto& [text, slider, runMs, step] : {std::tuple(u"90"_s, 20000, 5'400'000.0, 4),
                                                        std::tuple(u"2.5"_s, 20000, 150'000.0, 133),
                                                        std::tuple(u"-5"_s, 20000, 300'000.0, 67),
                                                        std::tuple(u"60"_s, 100, 3'600'000.0, 0)}) {
            const double minutes = countdownMinutes(text);
            QCOMPARE(std::tuple(text, minutes * 60 * 1000, fadeStep(slider, minutes)),
                     std::tuple(text, runMs, step));
        }
        for (const char16_t* text : {u"", u"abc", u"00", u"-0", u"0", u".", u"-"})
            QCOMPARE(countdownMinutes(text), 0.0);
        QCOMPARE(fadeStep(20000, 0), 333); // a clock-time run of no length fades over a minute
    }

    void clockTimeLength()
    {
        for (const auto& [now, hour, minute, minutes] :
             {std::tuple(u"23:50"_s, u"00"_s, u"10"_s, 20),
              std::tuple(u"10:00"_s, u"25"_s, u"0"_s, 900)})
            QCOMPARE(
                std::tuple(now, hour, minute, clockTimeMinutes(now, hour, minute).value_or(-1)),
                std::tuple(now, hour, minute, minutes));
        // Neither a number beyond 32 bits nor a minute total beyond them is accepted.
        for (const char16_t* hour : {u"99999999999", u"2000000000", u"-2000000000"})
            QCOMPARE(clockTimeMinutes(u"10:00", hour, u"0"), std::nullopt);
        QCOMPARE(clockTimeMinutes(u"10:00", u"0", u"-99999999999"), std::nullopt);
    }

    // A clock time is an instant in the zone the clock is in (given here, never the machine's):
    // today's while its minute has not passed, the first instant after a gap the clock skips,
    // the first occurrence still to come of a time it shows twice.
    void aClockTimeEndsAtAnInstant()
    {
        const QTimeZone berlin("Europe/Berlin");
        const auto utc = [](int month, int day, int hour, int minute) {
            return QDateTime(QDate(2027, month, day), QTime(hour, minute), Qt::UTC)
                .toMSecsSinceEpoch();
        };
        // Armed at (Berlin's clock; fall back's second pass at 02:10 as UTC 01:10), for hour and
        // minute: the end, as UTC.
        for (const auto& [armed, hour, minute, end] :
             {std::tuple(QDateTime(QDate(2027, 1, 6), QTime(23, 40, 30), berlin), 23, 50,
                         utc(1, 6, 22, 50)),
              std::tuple(QDateTime(QDate(2027, 1, 6), QTime(23, 50), berlin), 0, 10,
                         utc(1, 6, 23, 10)),
              std::tuple(QDateTime(QDate(2027, 1, 6), QTime(10, 0, 45), berlin), 10, 0,
                         utc(1, 6, 9, 0)), // its minute: now, the run ends at once
              std::tuple(QDateTime(QDate(2027, 1, 6), QTime(7, 31), berlin), 7, 30,
                         utc(1, 7, 6, 30)),
              std::tuple(QDateTime(QDate(2027, 3, 28), QTime(1, 59, 20), berlin), 3, 0,
                         utc(3, 28, 1, 0)),
              std::tuple(QDateTime(QDate(2027, 3, 28), QTime(1, 59, 20), berlin), 2, 30,
                         utc(3, 28, 1, 0)), // skipped: the first instant after the gap
              std::tuple(QDateTime(QDate(2027, 10, 31), QTime(1, 59), berlin), 2, 30,
                         utc(10, 31, 0, 30)), // shown twice: the first time
              std::tuple(QDateTime::fromMSecsSinceEpoch(utc(10, 31, 1, 10), berlin), 2, 30,
                         utc(10, 31, 1, 30))}) { // by hand, once a day is not asked: the second
            const auto found = clockTimeEnd(armed, hour, minute);
            QVERIFY(found);
            QCOMPARE(std::tuple(armed, hour, minute, instantOf(*found, berlin)),
                     std::tuple(armed, hour, minute, end));
        }
        // A daily time ends once a day, at its first showing, on no day before the one after its
        // last end: armed (as UTC), no earlier than, for 02:30 or 07:00: the end.
        for (const auto& [armed, notBefore, hour, end] :
             {std::tuple(utc(10, 31, 1, 10), QDate(), 2, utc(11, 1, 1, 30)), // fall back, logon
              std::tuple(utc(10, 31, 0, 31), QDate(2027, 11, 1), 2, utc(11, 1, 1, 30)), // re-arm
              std::tuple(utc(1, 7, 6, 0) + 55'000, QDate(2027, 1, 7), 7, utc(1, 7, 6, 0)),
              std::tuple(utc(1, 7, 5, 50), QDate(2027, 1, 8), 7, utc(1, 8, 6, 0)),    // set back
              std::tuple(utc(1, 9, 7, 0), QDate(2027, 1, 7), 7, utc(1, 10, 6, 0))}) { // days late
            const auto found = clockTimeEnd(QDateTime::fromMSecsSinceEpoch(armed, berlin), hour,
                                            hour == 2 ? 30 : 0, true, notBefore);
            QCOMPARE(std::tuple(armed, instantOf(*found, berlin)), std::tuple(armed, end));
        }
        // A change of zone keeps the clock time: 03:00 in London is an hour after Berlin's.
        const auto early = clockTimeEnd(QDateTime(QDate(2027, 1, 6), QTime(1, 0), berlin), 3, 0);
        QCOMPARE(instantOf(*early, QTimeZone("Europe/London")), utc(1, 6, 3, 0));
        for (const auto& [hour, minute] : {std::pair(24, 0), std::pair(10, 60), std::pair(-1, 0)})
            QCOMPARE(clockTimeEnd(QDateTime::currentDateTime(), hour, minute), std::nullopt);
    }

    // A service's answer in a message: its first line, cut to 200 characters.
    void aServiceAnswersInOneShortLine()
    {
        const QString long300 = QString(300, u'x');
        for (const auto& [answer, shown] :
             {std::pair(u"Access denied"_s, u"Access denied"_s),
              std::pair(u"\n  Access denied.\nTraceback (most recent call last):\n  File"_s,
                        u"Access denied."_s),
              std::pair(long300, QString(199, u'x') + u'\u2026'), std::pair(QString(), QString())})
            QCOMPARE(EndingText::briefly(answer), shown);
    }

    void progressLineAndExitFlags()
    {
        QCOMPARE(progressX2(4290, 4125, 0.5), 2227.5);
        QCOMPARE(progressX2(4290, 4125, 1.0), 165.0);
        QCOMPARE(elapsedFraction(1'030'000, 1'000'000, 60'000), 0.5);
        QCOMPARE(elapsedFraction(1'000'000, 1'000'000, 0), 1.0);
        QCOMPARE(QList<quint32>({exitFlags(0), exitFlags(1), exitFlags(2), exitFlags(9)}),
                 QList<quint32>({4, 13, 6, 13}));
        // Codes the program never writes end by the exit their flags name.
        QCOMPARE(QList<qint32>({RunEnd::of(9).code, RunEnd::of(16).code, RunEnd::of(-1).code}),
                 QList<qint32>({1, 0, 2}));
        QCOMPARE(RunEnd::named(u"screenoff")->code, 7);
    }
};

QTEST_APPLESS_MAIN(tst_Engine)
#include "tst_engine.moc"
