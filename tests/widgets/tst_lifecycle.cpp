#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"
#include "windows/frmAbout.h"
#include "windows/frmRunFile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

// The main window's life: the tray icon, minimising, restoring, closing, and the logon entry.
class tst_Lifecycle : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    frmSomnivo& window() const { return *f->window; }
    static QString programFolder()
    {
        return QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void theIconShowsFromStartUpWithItsTip()
    {
        f->create();
        QVERIFY(window().trayIcon().InTray());
        QCOMPARE(f->tray.calls.mid(2),
                 QStringList({QStringLiteral("show"),
                              QStringLiteral("tip Somnivo - Auto Shutdown Timer")}));
        QVERIFY(!window().trayIcon().TrayIcon().isNull());
    }

    void minimisingGoesToTheTrayAndEitherButtonBringsItBack_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("left click") << int(QSystemTrayIcon::Trigger);
        QTest::newRow("right click") << int(QSystemTrayIcon::Context);
    }
    void minimisingGoesToTheTrayAndEitherButtonBringsItBack()
    {
        QFETCH(int, reason);
        f->create().showAfterLoad();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        window().showMinimized();
        QTRY_VERIFY(!window().isVisible());

        f->tray.click(QSystemTrayIcon::MiddleClick);
        QVERIFY(!window().isVisible());
        f->tray.click(QSystemTrayIcon::ActivationReason(reason));
        QVERIFY(window().isVisible());
        QVERIFY(!window().isMinimized());
    }

    void withoutANotificationAreaMinimisingStaysInTheTaskbar()
    {
        f->tray.available = false;
        f->create().showAfterLoad();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        window().showMinimized();
        QTest::qWait(20);
        QVERIFY(window().isVisible());
        QVERIFY(window().isMinimized());

        // A notification area that turns up later gets the icon, and the window goes there.
        f->tray.available = true;
        f->tray.calls.clear();
        window().showNormal();
        window().showMinimized();
        QTRY_VERIFY(!window().isVisible());
        QCOMPARE(
            f->tray.calls,
            QStringList({QStringLiteral("hide"),
                         QStringLiteral("icon %1").arg(window().trayIcon().TrayIcon().cacheKey()),
                         QStringLiteral("tip Somnivo - Auto Shutdown Timer"),
                         QStringLiteral("show")}));
    }

    void minimizeOnStartStartsInTheTrayOrTheTaskbar()
    {
        f->store(SettingKey::MinOnStart, QStringLiteral("1"));
        f->create().showAfterLoad();
        QVERIFY(!window().isVisible());
        f->tray.click(QSystemTrayIcon::Trigger);
        QVERIFY(window().isVisible());

        MainWindowFixture noTray;
        noTray.tray.available = false;
        noTray.store(SettingKey::MinOnStart, QStringLiteral("1"));
        noTray.create().showAfterLoad();
        QVERIFY(noTray.window->isVisible());
        QVERIFY(noTray.window->windowState() & Qt::WindowMinimized);
    }

    void closingStoresThePositionAndRemovesTheIcon()
    {
        f->create().showAfterLoad();
        window().move(100, 200);
        QVERIFY(window().close());
        QCOMPARE(f->stored(SettingKey::PosX), QStringLiteral("1500"));
        QCOMPARE(f->stored(SettingKey::PosY), QStringLiteral("3000"));
        QVERIFY(!window().trayIcon().InTray());
        QCOMPARE(f->tray.calls.last(), QStringLiteral("hide"));

        // Started again, it is where it was.
        const QString x = f->stored(SettingKey::PosX);
        const QString y = f->stored(SettingKey::PosY);
        MainWindowFixture again;
        again.store(SettingKey::PosX, x);
        again.store(SettingKey::PosY, y);
        QCOMPARE(again.create().pos(), QPoint(100, 200));
    }

    void endingDuringStartUpKeepsTheStoredPosition()
    {
        f->mixer.opens = false; // start-up waits in its message
        f->store(SettingKey::PosX, QStringLiteral("1500"));
        QTimer::singleShot(0, [this] {
            QVERIFY(window().close());
            if (QWidget* message = QApplication::activeModalWidget())
                message->close();
        });
        f->create().showAfterLoad();
        QVERIFY(window().isClosed());
        QVERIFY(!window().isVisible());
        QCOMPARE(f->stored(SettingKey::PosX), QStringLiteral("1500"));
        QCOMPARE(f->stored(SettingKey::PosY), QStringLiteral("<absent>"));
    }

    void closingTheWindowClosesItsDialogsToo_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("About") << true;
        QTest::newRow("Run File") << false;
    }
    void closingTheWindowClosesItsDialogsToo()
    {
        QFETCH(bool, about);
        f->create().showAfterLoad();
        bool dialogWasOpen = false;
        QTimer::singleShot(0, [&] {
            dialogWasOpen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            window().close();
        });
        if (about) {
            window().cmdAbout_Click();
        } else {
            frmRunFile dialog(f->settings, &window());
            dialog.exec();
        }
        QVERIFY(dialogWasOpen);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!window().isVisible());
    }

    void theLogonEntryFollowsTheBox()
    {
        f->create();
        QVERIFY(f->autostart.entries.isEmpty()); // unchecked at start: nothing to write
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QCOMPARE(f->autostart.entries,
                 (QList<QPair<QString, bool>>{{programFolder(), true}, {programFolder(), false}}));

        // Every start with the box checked writes it again; the grey state clears it.
        MainWindowFixture checked;
        checked.store(SettingKey::AutoStart, QStringLiteral("1"));
        checked.create();
        QCOMPARE(checked.autostart.entries, (QList<QPair<QString, bool>>{{programFolder(), true}}));
        MainWindowFixture grey;
        grey.store(SettingKey::AutoStart, QStringLiteral("2"));
        grey.create();
        QCOMPARE(grey.autostart.entries, (QList<QPair<QString, bool>>{{programFolder(), false}}));
    }

    void theWebAddressOpensTheMakersPage()
    {
        f->create().showAfterLoad();
        QTest::mouseClick(f->control("Label1"), Qt::LeftButton);
        QCOMPARE(f->shell.openedUrls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
