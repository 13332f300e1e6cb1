#include "app/QtCatalogueOnDemand.h"
#include "forms/ProgramIcon.h"
#include "support/MainWindowFixture.h"
#include "windows/frmBlackScreen.h"
#include "windows/frmRunFile.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMenu>
#include <QMessageBox>

using LayoutChecks::child;

// The Run File dialog, the About window, when the black screen comes and goes, and the main
// window's life where a real desktop cannot show it: a notification area that comes late or
// never, ending during start-up, and the logon entry.
class tst_Windows : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;

    frmSomnivo& window() const { return *f->window; }

private slots:
    void init() { f.emplace(); }

    void theRunFileDialogOpensWhenTheUserChoosesRunFileOnly()
    {
        f->create();
        {
            frmRunFile dialog(f->settings, f->window.get());
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_Escape); // no cancel button: Escape does nothing
            QVERIFY(dialog.isVisible());
        }
        f->window->show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        for (int times = 0; times < 2; ++times) { // the second time already selected
            f->closeNextModal();
            QTest::mouseClick(f->control("Option2_3"), Qt::LeftButton);
        }
        // Another action does not open it (the keyboard's way is the keyboard test's).
        f->closeNextModal();
        QTest::mouseClick(f->control("Option2_1"), Qt::LeftButton);
        QTest::qWait(10);
        QCOMPARE(f->closedModals, QStringList(2, u"frmRunFile"_s));
        // Chosen by the program (at start-up, from the store), it stays shut.
        f.emplace().store(u"ShutDown=3"_s);
        f->create();
        QTest::qWait(10);
        QVERIFY(f->closedModals.isEmpty());
    }

    void browsingThenCancelKeepsTheStoredPathAndOkStoresItTrimmed()
    {
        f->create();
        f->store(u"RunFile=/old/file"_s);
        const QString noDot = f->home.filePath(u"wakeup"_s);
        QVERIFY(QFile(noDot).open(QIODevice::WriteOnly));
        frmRunFile browsed(f->settings, f->window.get());
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            QCOMPARE(std::tuple(chooser->windowTitle(), chooser->directory().path(),
                                chooser->nameFilters(), chooser->selectedNameFilter()),
                     std::tuple(u"Please select a file"_s, u"/"_s, frmRunFile::fileTypes(),
                                u"All Files (*.*)"_s));
            // "All Files" lists a file without a dot in its name; "Exe Files" does not.
            chooser->setDirectory(f->home.path());
            auto* proxy = chooser->proxyModel();
            const QPersistentModelIndex file =
                qobject_cast<QFileSystemModel*>(proxy->sourceModel())->index(noDot);
            QTRY_VERIFY(proxy->mapFromSource(file).isValid());
            chooser->selectNameFilter(frmRunFile::fileTypes().first());
            emit chooser->filterSelected(frmRunFile::fileTypes().first());
            QTRY_VERIFY(!proxy->mapFromSource(file).isValid());
            chooser->selectNameFilter(frmRunFile::fileTypes().last());
            emit chooser->filterSelected(frmRunFile::fileTypes().last());
            chooser->selectFile(noDot);
            QMetaObject::invokeMethod(chooser, "accept");
        });
        browsed.Command1_Click();
        QCOMPARE(child<QLineEdit>(&browsed, "Text1")->text(), noDot);
        browsed.cmdCancel_Click();

        // The stored path is shown again; blanks count as empty; OK stores the path trimmed.
        frmRunFile dialog(f->settings, f->window.get());
        auto* path = child<QLineEdit>(&dialog, "Text1");
        QCOMPARE(path->text(), u"/old/file"_s);
        path->setText(u"   "_s);
        f->closeNextModal();
        dialog.cmdOK_Click();
        QCOMPARE(f->closedModals, QStringList{u"Run File Setup: Please choose a file which you "
                                              u"want to run in time (Information)"_s});
        QCOMPARE(std::pair(f->stored(SettingKey::RunFile), dialog.result()),
                 std::pair(u"/old/file"_s, 0));
        path->setText(u"  /home/me/wake up.sh \t"_s);
        dialog.cmdOK_Click();
        QCOMPARE(std::pair(f->stored(SettingKey::RunFile), dialog.result()),
                 std::pair(u"/home/me/wake up.sh"_s, int(QDialog::Accepted)));
    }

    // Qt's own texts come in the user's language, though its catalogue is loaded only once a
    // dialog or a context menu is made: the main window shows none of them.
    void qtsOwnTextsComeInTheUsersLanguageWhenFirstNeeded()
    {
        const auto ok = [] { return QCoreApplication::translate("QPlatformTheme", "OK"); };
        std::optional<QtCatalogueOnDemand> onDemand(std::in_place, QLocale(u"es"_s));
        f->create();
        QCOMPARE(ok(), u"OK"_s);
        frmRunFile dialog(f->settings, f->window.get());
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                shown = box->button(QMessageBox::Ok)->text();
            QApplication::activeModalWidget()->close();
        });
        dialog.cmdOK_Click(); // no file chosen: a message box tells so
        QCOMPARE(shown, u"Aceptar"_s);
        onDemand.emplace(QLocale(u"es"_s));
        QCOMPARE(ok(), u"OK"_s);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, {});
        QApplication::sendEvent(f->control<QLineEdit>("txtShutDown"), &menu);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(popup && popup->actions().constFirst()->text().startsWith(u"&Deshacer"_s));
        popup->close();
    }

    void theBlackScreenHidesThePointerAfterAMomentUntilItCloses()
    {
        bool shown = false;
        frmBlackScreen screen(shown, f->windowSystem, nullptr);
        screen.show();
        QCOMPARE(screen.cursor().shape(), Qt::ArrowCursor);
        QTRY_COMPARE(screen.cursor().shape(), Qt::BlankCursor); // after 200 ms
        QTest::mouseClick(&screen, Qt::RightButton);
        QCOMPARE(std::tuple(screen.isVisible(), shown, screen.cursor().shape()),
                 std::tuple(false, false, Qt::ArrowCursor));
    }

    void theBlackScreenComesOnlyWhenWantedAndGoesBeforeTheRunFileOpens()
    {
        f->create();
        SleepRun& run = f->window->sleepRun();
        RunState& state = f->window->run();
        // Off, the timer stops itself; already up, no second one comes.
        f->closeNextModal();
        state.BlackScreenFlag = 0;
        run.timer1().start();
        run.Timer1_Timer();
        QVERIFY(!run.timer1().isActive());
        state.BlackScreenFlag = 1;
        state.BlackScreenShown = true;
        run.Timer1_Timer();
        QTest::qWait(1);
        QCOMPARE(f->closedModals, QStringList());

        // Up, it stays up until dismissed; the end of a Run File run closes it before opening.
        state.BlackScreenShown = false;
        bool screenUpWhenOpened = true;
        f->shell.onOpen = [&] { screenUpWhenOpened = state.BlackScreenShown; };
        f->store(u"ShutDown=3 WarnSeconds=0"_s);
        f->control<QLineEdit>("txtShutDown")->setText(u"0.05"_s);
        f->control<QPushButton>("cmdRestz")->click(); // a run of 3 s
        QTimer::singleShot(0, [&] {
            QVERIFY(state.BlackScreenShown);
            f->clock.advance(4000);
            run.timCheckEnd_Timer();
        });
        run.Timer1_Timer(); // returns once the black screen has closed
        QCOMPARE(f->shell.openedPaths.size(), 1);
        QVERIFY(!screenUpWhenOpened && !state.BlackScreenShown);
    }

    void withoutANotificationAreaMinimisingStaysInTheTaskbarUntilOneComes()
    {
        f->tray.available = false;
        f->create().showAfterLoad();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        window().showMinimized();
        QTest::qWait(20);
        QVERIFY(window().isVisible() && window().isMinimized());

        // An area that turns up later has the icon (from the toolkit), and the window goes there;
        // the icon is not taken away and shown again.
        f->tray.available = true;
        f->tray.calls.clear();
        window().showNormal();
        window().showMinimized();
        QTRY_VERIFY(!window().isVisible());
        QCOMPARE(f->tray.calls, QStringList());
        f->tray.handler(QSystemTrayIcon::Trigger);
        QVERIFY(window().isVisible() && !window().isMinimized());
    }

    // An end the machine cannot do at all is shown, disabled, with the reason, once the window
    // has been drawn.
    void anEndTheMachineCannotDoIsDisabled()
    {
        f->session.outlook = {u"na"_s, {}};
        f->create().showAfterLoad();
        QTRY_VERIFY(!f->control("Option2_5")->isEnabled());
        QCOMPARE(std::tuple(f->control("Option2_4")->isEnabled(),
                            f->control("Option2_4")->toolTip(),
                            f->control("Option2_1")->isEnabled()),
                 std::tuple(false, u"This computer cannot suspend."_s, true));
    }

    void theTrayTipShownIsCutToSixtyThreeCharactersWhileTrayTipKeepsAll()
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

    void minimizeOnStartStartsInTheTrayOrTheTaskbar()
    {
        for (const bool area : {true, false}) {
            init();
            f->tray.available = area;
            f->store(u"MinOnStart=1"_s);
            f->create().showAfterLoad();
            QCOMPARE(window().isVisible(), !area);
            QVERIFY(area || window().isMinimized());
        }
    }

    void endingDuringStartUpKeepsTheStoredPosition()
    {
        f->mixer.opens = false; // start-up waits in its message
        f->store(u"PosX=1500"_s);
        QTimer::singleShot(0, [this] {
            QVERIFY(window().close());
            if (QWidget* message = QApplication::activeModalWidget())
                message->close();
        });
        f->create().showAfterLoad();
        QVERIFY(window().isClosed() && !window().isVisible());
        QCOMPARE(f->storedFile(), "[Config]\nPosX=1500\n");
    }

    // The build turns the icon's PNGs into the pixels the program draws from; every size must
    // still be the picture drawn for it.
    void theProgramIconIsItsPicturesPixelForPixel()
    {
        const QIcon icon = programIcon();
        QCOMPARE(icon.availableSizes().size(), 7);
        for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
            const QString picture = size == 64 ? u"somnivo.png"_s : u"somnivo-%1.png"_s.arg(size);
            const QImage drawn = QImage(QStringLiteral(SOMNIVO_RESOURCES "/") + picture)
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY(!drawn.isNull());
            QCOMPARE(icon.pixmap(size).toImage(), drawn);
        }
    }

    void theLogonEntryFollowsTheBoxAndTheWebAddressOpensThePage()
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
            again.store(u"AutoStart="_s + QLatin1StringView(stored));
            again.create();
            QCOMPARE(again.autostart.entries, Entries({{folder, enabled}}));
        }
        QTest::mouseClick(f->control("Label1"), Qt::LeftButton);
        QCOMPARE(f->shell.openedUrls, QList<QUrl>{QUrl(u"https://example.org/"_s)});
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
