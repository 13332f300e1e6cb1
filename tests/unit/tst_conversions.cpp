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
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("plain") << QStringLiteral("23") << 23.0;
        QTest::newRow("fraction") << QStringLiteral("2.5") << 2.5;
        QTest::newRow("only fraction") << QStringLiteral(".5") << 0.5;
        QTest::newRow("negative") << QStringLiteral("-5") << -5.0;
        QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0;
        QTest::newRow("leading blanks") << QStringLiteral(" \t 12") << 12.0;
        QTest::newRow("digits then letters") << QStringLiteral("12abc") << 12.0;
        QTest::newRow("letters first") << QStringLiteral("abc12") << 0.0;
        QTest::newRow("two zeros") << QStringLiteral("00") << 0.0;
        QTest::newRow("minus zero") << QStringLiteral("-0") << 0.0;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
        QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
        QTest::newRow("second point ends it") << QStringLiteral("1.5.2") << 1.5;
        QTest::newRow("comma ends it") << QStringLiteral("1,5") << 1.0;
        QTest::newRow("inner blank ends it") << QStringLiteral("12 34") << 12.0;
        QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
        QTest::newRow("d exponent") << QStringLiteral("15D-1") << 1.5;
        QTest::newRow("exponent without digits") << QStringLiteral("4e") << 4.0;
        QTest::newRow("stored hour") << QStringLiteral("-1") << -1.0;
    }
    void numberOfTakesTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(numberOf(text), number);
    }

    void numbersBeyondADoubleStayHuge()
    {
        QVERIFY(numberOf(QStringLiteral("1e999")) > 1e300);
        QVERIFY(numberOf(QStringLiteral("-1e999")) < -1e300);
        QCOMPARE(numberOf(QStringLiteral("1e-999")), 0.0);
        QCOMPARE(toInt32(numberOf(QStringLiteral("1e999"))), std::nullopt);
    }

    void roundingTakesHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("3.7") << 3.7 << 4.0;
        QTest::newRow("2227.5") << 2227.5 << 2228.0;
    }
    void roundingTakesHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
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
