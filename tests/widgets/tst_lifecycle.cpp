#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"
#include "windows/frmRunFile.h"

#include <QFileInfo>

// The main window's life: the tray icon, minimising, restoring, closing, and the logon entry.
class tst_Lifecycle : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f; // emplace ends the old home before the new one starts

    frmSomnivo& window() const { return *f->window; }
    const QString tip = u"tip Somnivo - Auto Shutdown Timer"_s;

private slots:
    void init() { f.emplace(); }
    void cleanup() { f.reset(); }

    void theIconShowsFromStartUpWithItsTipAndTheWebAddressOpensThePage()
    {
        f->create().showAfterLoad();
        QVERIFY(window().trayIcon().InTray());
        QCOMPARE(f->tray.calls.mid(2), QStringList({u"show"_s, tip}));
        QVERIFY(!window().trayIcon().TrayIcon().isNull());
        QTest::mouseClick(f->control("Label1"), Qt::LeftButton);
        QCOMPARE(f->shell.openedUrls, QList<QUrl>{QUrl(u"https://example.org/"_s)});
    }

    void minimisingGoesToTheTrayAndEitherButtonBringsItBack()
    {
        f->create().showAfterLoad();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context}) {
            window().showMinimized();
            QTRY_VERIFY(!window().isVisible());
            f->tray.click(QSystemTrayIcon::MiddleClick);
            QVERIFY(!window().isVisible());
            f->tray.click(reason);
            QVERIFY(window().isVisible() && !window().isMinimized());
        }
    }

    void withoutANotificationAreaMinimisingStaysInTheTaskbar()
    {
        f->tray.available = false;
        f->create().showAfterLoad();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        window().showMinimized();
        QTest::qWait(20);
        QVERIFY(window().isVisible() && window().isMinimized());

        // A notification area that turns up later gets the icon, and the window goes there.
        f->tray.available = true;
        f->tray.calls.clear();
        window().showNormal();
        window().showMinimized();
        QTRY_VERIFY(!window().isVisible());
        const qint64 icon = window().trayIcon().TrayIcon().cacheKey();
        QCOMPARE(f->tray.calls, QStringList({u"hide"_s, u"icon %1"_s.arg(icon), tip, u"show"_s}));
    }

    void minimizeOnStartStartsInTheTrayOrTheTaskbar()
    {
        f->store(SettingKey::MinOnStart, u"1"_s);
        f->create().showAfterLoad();
        QVERIFY(!window().isVisible());
        f->tray.click(QSystemTrayIcon::Trigger);
        QVERIFY(window().isVisible());

        MainWindowFixture noTray;
        noTray.tray.available = false;
        noTray.store(SettingKey::MinOnStart, u"1"_s);
        noTray.create().showAfterLoad();
        QVERIFY(noTray.window->isVisible() && noTray.window->isMinimized());
    }

    void closingStoresThePositionAndRemovesTheIcon()
    {
        f->create().showAfterLoad();
        window().move(100, 200);
        QVERIFY(window().close());
        QCOMPARE(f->stored({SettingKey::PosX, SettingKey::PosY}), u"1500 3000"_s);
        QVERIFY(!window().trayIcon().InTray());
        QCOMPARE(f->tray.calls.last(), u"hide"_s);
        // Started again, it is where it was.
        f->window.reset();
        QCOMPARE(f->create().pos(), QPoint(100, 200));
    }

    void endingDuringStartUpKeepsTheStoredPosition()
    {
        f->mixer.opens = false; // start-up waits in its message
        f->store(SettingKey::PosX, u"1500"_s);
        QTimer::singleShot(0, [this] {
            QVERIFY(window().close());
            if (QWidget* message = QApplication::activeModalWidget())
                message->close();
        });
        f->create().showAfterLoad();
        QVERIFY(window().isClosed() && !window().isVisible());
        QCOMPARE(f->stored({SettingKey::PosX, SettingKey::PosY}), u"1500 <absent>"_s);
    }

    void closingTheWindowClosesItsDialogsToo()
    {
        for (const bool about : {true, false}) {
            init(); // a fresh window for each
            f->create().showAfterLoad();
            bool dialogWasOpen = false;
            QTimer::singleShot(0, [&] {
                dialogWasOpen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                window().close();
            });
            if (about)
                window().cmdAbout_Click();
            else
                frmRunFile(f->settings, &window()).exec();
            QVERIFY(dialogWasOpen && !QApplication::activeModalWidget() && !window().isVisible());
        }
    }

    void theLogonEntryFollowsTheBox()
    {
        using Entries = QList<QPair<QString, bool>>;
        const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
        f->create();
        QVERIFY(f->autostart.entries.isEmpty()); // unchecked at start: nothing to write
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QCOMPARE(f->autostart.entries, Entries({{folder, true}, {folder, false}}));

        // Every start with the box checked writes it again; the grey state clears it.
        for (const auto& [stored, enabled] : {std::pair("1", true), std::pair("2", false)}) {
            MainWindowFixture again;
            again.store(SettingKey::AutoStart, QString::fromLatin1(stored));
            again.create();
            QCOMPARE(again.autostart.entries, Entries({{folder, enabled}}));
        }
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
