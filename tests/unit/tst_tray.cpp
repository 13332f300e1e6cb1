#include "support/FakeTrayIconBackend.h"
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
    static QString shown(const QIcon& icon) { return u"icon %1"_s.arg(icon.cacheKey()); }

private slots:
    void showsWithTheCurrentIconAndTipAndFollowsChanges()
    {
        FakeTrayIconBackend backend;
        const QIcon red = icon(Qt::red);
        const QIcon blue = icon(Qt::blue);
        {
            cSysTray tray(backend);
            tray.setTrayIcon(red);
            tray.setInTray(false); // never shown: nothing goes out
            tray.setInTray(true);
            tray.setInTray(true); // no second add
            tray.setTrayIcon(blue);
            tray.setTrayIcon(QIcon()); // ignored: the blue one stays
            tray.setTrayTip(u"20 minutes left"_s);
            tray.setInTray(false);
            tray.setTrayTip(u"hidden"_s); // remembered, not sent
            tray.setInTray(true);
            QCOMPARE(backend.calls, QStringList({shown(red), u"tip "_s, u"show"_s, shown(blue),
                                                 u"tip 20 minutes left"_s, u"hide"_s, shown(blue),
                                                 u"tip hidden"_s, u"show"_s}));
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
        for (const auto& [tip, cut] :
             {std::pair{seventy, seventy.left(63)}, {moon, moon.left(62)}}) {
            FakeTrayIconBackend backend;
            cSysTray tray(backend);
            tray.setTrayTip(tip);
            tray.setInTray(true);
            QCOMPARE(std::pair(backend.calls.filter(u"tip "_s), tray.TrayTip()),
                     std::pair(QStringList(u"tip "_s + cut), tip));
        }
    }
};

QTEST_MAIN(tst_Tray)
#include "tst_tray.moc"
