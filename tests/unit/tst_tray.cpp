#include "support/FakeTrayIconBackend.h"
#include "support/TrayEventLog.h"
#include "tray/cSysTray.h"

#include <QPixmap>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Tray : public QObject
{
    Q_OBJECT

    static QIcon icon(Qt::GlobalColor color)
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(color);
        return QIcon(pixmap);
    }
    static QString iconLine(const QIcon& shown) { return u"icon %1"_s.arg(shown.cacheKey()); }

private slots:
    void raisesOneEventPerMessageInOrder()
    {
        FakeTrayIconBackend backend;
        {
            cSysTray tray(backend);
            TrayEventLog log(tray);
            // Messages as the Windows shell sends them: a double click, a move, the right button,
            // then the middle button and numbers outside the range, which raise nothing.
            for (const int message :
                 {513, 514, 515, 514, 512, 516, 517, 518, 519, 520, 521, 511, 0})
                tray.TrayCallback(message, 7);
            QCOMPARE(log.events.join(u", "), u"MouseDown 1 7, MouseUp 1 7, MouseDblClick 1 7, "
                                             u"MouseUp 1 7, MouseMove 7, MouseDown 2 7, "
                                             u"MouseUp 2 7, MouseDblClick 2 7"_s);
            // Clicks as Linux reports them become the messages they are made of.
            log.events.clear();
            for (const auto reason :
                 {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown,
                  QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick})
                QVERIFY(backend.click(reason));
            QCOMPARE(
                log.events.join(u", "),
                u"MouseDown 1 0, MouseUp 1 0, MouseDown 2 0, MouseUp 2 0, MouseDblClick 1 0"_s);
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
            tray.setTrayTip(u"Somnivo"_s);
            tray.setInTray(false); // never shown: nothing goes out
            QVERIFY(backend.calls.isEmpty());

            tray.setInTray(true);
            tray.setInTray(true); // no second add
            QCOMPARE(backend.calls, (QStringList{iconLine(red), u"tip Somnivo"_s, u"show"_s}));
            backend.calls.clear();

            tray.setTrayIcon(blue);
            tray.setTrayIcon(QIcon()); // ignored: the blue one stays
            tray.setTrayTip(u"20 minutes left"_s);
            tray.setTrayTip(QString()); // clears the shown tip
            QCOMPARE(backend.calls,
                     (QStringList{iconLine(blue), u"tip 20 minutes left"_s, u"tip "_s}));
            QCOMPARE(tray.TrayIcon().cacheKey(), blue.cacheKey());
            backend.calls.clear();

            tray.setInTray(false);
            tray.setInTray(false);
            tray.setTrayTip(u"hidden"_s); // remembered, not sent
            tray.setTrayIcon(red);
            tray.setInTray(true);
            QCOMPARE(backend.calls,
                     (QStringList{u"hide"_s, iconLine(red), u"tip hidden"_s, u"show"_s}));
            backend.calls.clear();
        }
        QCOMPARE(backend.calls, QStringList{u"hide"_s}); // destroying a shown tray removes it
        cSysTray{backend};
        QCOMPARE(backend.calls, QStringList{u"hide"_s}); // a tray never shown sends nothing
    }

    void theShownTipIsCutToSixtyThreeCharactersWhileTrayTipKeepsAll()
    {
        const QString seventy = QString(60, u'a') + u"0123456789"_s;
        // U+1F319 is two UTF-16 halves, the first of them the 63rd unit: both go.
        const QString moon = QString(62, u'b') + u"\U0001F319"_s;
        for (const auto& [tip, shown] : {std::pair{seventy, seventy.left(63)},
                                         {seventy.left(63), seventy.left(63)},
                                         {moon, moon.left(62)}}) {
            FakeTrayIconBackend backend;
            cSysTray tray(backend);
            tray.setTrayTip(tip);
            tray.setInTray(true); // the tip as shown at first...
            tray.setTrayTip(tip); // ...and as changed while shown
            QCOMPARE(backend.calls.filter(u"tip "_s), QStringList(2, u"tip "_s + shown));
            QCOMPARE(tray.TrayTip(), tip);
        }
    }
};

QTEST_MAIN(tst_Tray)
#include "tst_tray.moc"
