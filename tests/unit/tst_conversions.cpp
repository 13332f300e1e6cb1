#include "engine/Conversions.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Conversions;

class tst_Conversions : public QObject
{
    Q_OBJECT

private slots:
    void numberOfTakesTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        const std::pair<const char*, double> rows[] = {
            {"", 0},        {"23", 23},     {"2.5", 2.5},  {".5", 0.5},   {"-5", -5},
            {"+7", 7},      {" \t 12", 12}, {"12abc", 12}, {"abc12", 0},  {"-", 0},
            {".", 0},       {"1.5.2", 1.5}, {"1,5", 1},    {"12 34", 12}, {"1e3", 1000},
            {"15D-1", 1.5}, {"4e", 4},
        };
        for (const auto& [text, number] : rows)
            QTest::addRow("\"%s\"", text) << QString::fromLatin1(text) << number;
    }
    void numberOfTakesTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(numberOf(text), number);
    }

    void numbersBeyondADoubleStayHuge()
    {
        QVERIFY(numberOf(u"1e999") > 1e300);
        QVERIFY(numberOf(u"-1e999") < -1e300);
        QCOMPARE(numberOf(u"1e-999"), 0.0);
        QCOMPARE(toInt32(numberOf(u"1e999")), std::nullopt);
    }

    void roundingTakesHalvesToEven()
    {
        for (const auto& [value, rounded] :
             {std::pair(0.5, 0.0), std::pair(1.5, 2.0), std::pair(2.5, 2.0), std::pair(-2.5, -2.0),
              std::pair(3.7, 4.0), std::pair(2227.5, 2228.0)})
            QCOMPARE(std::pair(value, roundHalfEven(value)), std::pair(value, rounded));
    }

    void int32ConversionRefusesWhatDoesNotFit()
    {
        constexpr auto max = std::numeric_limits<qint32>::max();
        constexpr auto min = std::numeric_limits<qint32>::min();
        QCOMPARE(toInt32(2147483647.4), max);
        QCOMPARE(toInt32(-2147483648.5), min); // the even neighbour is in range
        QCOMPARE(toInt32(2147483647.5), std::nullopt);
        QCOMPARE(toInt32(std::nan("")), std::nullopt);
        QCOMPARE(toInt32(HUGE_VAL), std::nullopt);
        QCOMPARE(toInt32Saturated(1e12), max);
        QCOMPARE(toInt32Saturated(-1e12), min);
        QCOMPARE(toInt32Saturated(std::nan("")), 0);
        QCOMPARE(toInt32Saturated(22.5), 22);
    }
};

QTEST_APPLESS_MAIN(tst_Conversions)
#include "tst_conversions.moc"
