#include "support/FakeTrayIconBackend.h"
#include "support/TrayEventLog.h"
#include "tray/TrayMessages.h"
#include "tray/cSysTray.h"

#include <QPixmap>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = TrayMessages::Event::Kind;
using Reason = QSystemTrayIcon::ActivationReason;

class tst_Tray : public QObject
{
    Q_OBJECT

private:
    static QIcon icon(Qt::GlobalColor color)
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(color);
        return QIcon(pixmap);
    }
    static QString iconLine(const QIcon& shown)
    {
        return QStringLiteral("icon %1").arg(shown.cacheKey());
    }

private slots:
    void eachMessageRaisesItsEvent_data()
    {
        QTest::addColumn<int>("message");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("button");
        QTest::newRow("move") << 512 << Kind::MouseMove << 0;
        QTest::newRow("left down") << 513 << Kind::MouseDown << 1;
        QTest::newRow("left up") << 514 << Kind::MouseUp << 1;
        QTest::newRow("left double click") << 515 << Kind::MouseDblClick << 1;
        QTest::newRow("right down") << 516 << Kind::MouseDown << 2;
        QTest::newRow("right up") << 517 << Kind::MouseUp << 2;
        QTest::newRow("right double click") << 518 << Kind::MouseDblClick << 2;
        QTest::newRow("middle down") << 519 << Kind::None << 0;
        QTest::newRow("middle double click") << 521 << Kind::None << 0;
        QTest::newRow("below the range") << 511 << Kind::None << 0;
        QTest::newRow("zero") << 0 << Kind::None << 0;
    }
    void eachMessageRaisesItsEvent()
    {
        QFETCH(int, message);
        QFETCH(Kind, kind);
        QFETCH(int, button);
        QVERIFY(TrayMessages::eventFor(message) == (TrayMessages::Event{kind, button}));
    }

    void eachClickBecomesTheMessagesItIsMadeOf_data()
    {
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<QList<int>>("messages");
        QTest::newRow("left click") << QSystemTrayIcon::Trigger << QList<int>{513, 514};
        QTest::newRow("context request") << QSystemTrayIcon::Context << QList<int>{516, 517};
        QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << QList<int>{515};
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << QList<int>{};
        QTest::newRow("unknown") << QSystemTrayIcon::Unknown << QList<int>{};
    }
    void eachClickBecomesTheMessagesItIsMadeOf()
    {
        QFETCH(Reason, reason);
        QFETCH(QList<int>, messages);
        QCOMPARE(TrayMessages::messagesFor(reason), messages);
    }

    void raisesOneEventPerMessageInOrder()
    {
        FakeTrayIconBackend backend;
        {
            cSysTray tray(backend);
            TrayEventLog log(tray);
            // A double click as the Windows shell reports it, a move, a middle click and a
            // right click; then clicks as Linux reports them.
            for (const int message : {513, 514, 515, 514, 512, 519, 520, 516, 517})
                tray.TrayCallback(message, 0);
            for (const Reason reason : {QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Context,
                                        QSystemTrayIcon::DoubleClick})
                QVERIFY(backend.click(reason));
            QCOMPARE(log.events,
                     (QStringList{u"MouseDown 1 0"_s, u"MouseUp 1 0"_s, u"MouseDblClick 1 0"_s,
                                  u"MouseUp 1 0"_s, u"MouseMove 0"_s, u"MouseDown 2 0"_s,
                                  u"MouseUp 2 0"_s, u"MouseDown 2 0"_s, u"MouseUp 2 0"_s,
                                  u"MouseDblClick 1 0"_s}));
        }
        QVERIFY2(!backend.click(QSystemTrayIcon::Trigger), "a gone tray still listens");
    }

    void showsWithTheCurrentIconAndTipAndFollowsChanges()
    {
        FakeTrayIconBackend backend;
        const QIcon red = icon(Qt::red);
        const QIcon blue = icon(Qt::blue);
        {
            cSysTray tray(backend);
            tray.setTrayIcon(red);
            tray.setTrayTip(QStringLiteral("Somnivo"));
            tray.setInTray(false); // never shown: nothing goes out
            QVERIFY(backend.calls.isEmpty());
            QCOMPARE(tray.InTray(), false);

            tray.setInTray(true);
            tray.setInTray(true); // no second add
            QCOMPARE(backend.calls, (QStringList{iconLine(red), u"tip Somnivo"_s, u"show"_s}));
            backend.calls.clear();

            tray.setTrayIcon(blue);
            tray.setTrayIcon(QIcon()); // ignored: the blue one stays
            tray.setTrayTip(QStringLiteral("20 minutes left"));
            tray.setTrayTip(QString()); // clears the shown tip
            QCOMPARE(backend.calls,
                     (QStringList{iconLine(blue), u"tip 20 minutes left"_s, u"tip "_s}));
            QCOMPARE(tray.TrayIcon().cacheKey(), blue.cacheKey());
            backend.calls.clear();

            tray.setInTray(false);
            tray.setInTray(false);
            tray.setTrayTip(QStringLiteral("hidden")); // remembered, not sent
            tray.setTrayIcon(red);
            QCOMPARE(backend.calls, QStringList{u"hide"_s});
            tray.setInTray(true);
            QCOMPARE(backend.calls,
                     (QStringList{u"hide"_s, iconLine(red), u"tip hidden"_s, u"show"_s}));
            backend.calls.clear();
        }
        QCOMPARE(backend.calls, QStringList{u"hide"_s}); // destroying a shown tray removes it
        {
            cSysTray tray(backend);
            tray.setTrayIcon(QIcon());
            QVERIFY(tray.TrayIcon().isNull());
        }
        QCOMPARE(backend.calls, QStringList{u"hide"_s}); // a tray never shown sends nothing
    }

    void theShownTipIsCutToSixtyThreeCharacters_data()
    {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("shown");
        const QString seventy = QString(60, QLatin1Char('a')) + QStringLiteral("0123456789");
        QTest::newRow("70") << seventy << seventy.left(63);
        QTest::newRow("63") << seventy.left(63) << seventy.left(63);
        // U+1F319 is two UTF-16 halves, the first of them the 63rd unit: both go.
        const QString moon = QString(62, QLatin1Char('b')) + QString::fromUtf8("\U0001F319");
        QTest::newRow("split character") << moon << moon.left(62);
    }
    void theShownTipIsCutToSixtyThreeCharacters()
    {
        QFETCH(QString, tip);
        QFETCH(QString, shown);
        FakeTrayIconBackend backend;
        cSysTray tray(backend);
        tray.setTrayTip(tip);
        tray.setInTray(true); // the tip as shown at first...
        tray.setTrayTip(tip); // ...and as changed while shown
        QCOMPARE(backend.calls.filter(QStringLiteral("tip ")),
                 QStringList(2, QStringLiteral("tip ") + shown));
        QCOMPARE(tray.TrayTip(), tip);
    }
};

QTEST_MAIN(tst_Tray)
#include "tst_tray.moc"
