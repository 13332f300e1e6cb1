#include "app/WindowPlacement.h"

#include <QTest>

using WindowPlacement::centredTwips;
using WindowPlacement::reachablePosition;

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void centresInWholeTwips()
    {
        const QSize window(336, 191);
        // (1280 - 336) x 15 / 2 = 7080 twips = 472 pixels; (800 - 191) x 15 / 2 = 4567 twips.
        QCOMPARE(centredTwips(QRect(0, 0, 1280, 800), window), QPoint(7080, 4567));
        // An odd difference of 945 pixels is 14175 twips; halving drops the half twip.
        QCOMPARE(centredTwips(QRect(0, 0, 1281, 800), window).x(), 7087);
        // A screen that does not start at the origin.
        QCOMPARE(centredTwips(QRect(1920, 0, 1280, 800), window).x(), 1920 * 15 + 7080);
    }

    void keepsOnlyAPositionTheUserCanReach()
    {
        const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
        const QSize frame(340, 220);
        QCOMPARE(reachablePosition(QPoint(1500, 3000), frame, screens), QPoint(100, 200));
        // Half over the left edge still shows half the window.
        QCOMPARE(reachablePosition(QPoint(-150 * 15, 0), frame, screens), QPoint(-150, 0));
        QCOMPARE(reachablePosition(QPoint(2000 * 15, 900 * 15), frame, screens), QPoint(2000, 900));
        // Off every screen.
        for (const QPoint twips : {QPoint(99999 * 15, 0), QPoint(-340 * 15, 0), QPoint(0, 800 * 15),
                                   QPoint(2147483647, -2147483647 - 1)})
            QCOMPARE(reachablePosition(twips, frame, screens), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(tst_WindowPlacement)
#include "tst_window_placement.moc"
