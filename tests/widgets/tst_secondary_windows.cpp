#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"
#include "windows/frmAbout.h"
#include "windows/frmBlackScreen.h"
#include "windows/frmRunFile.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

using LayoutChecks::child;

// The Run File dialog, the About window and the black screen.
class tst_SecondaryWindows : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;

    // Title, fixed size without minimise or maximise buttons, the controls' places, and no
    // caption cut off.
    static void checkDesign(const QDialog& window, const QString& title, QSize size,
                            std::initializer_list<std::pair<const char*, QRect>> controls)
    {
        QCOMPARE(std::tuple(window.windowTitle(), window.minimumSize(), window.maximumSize()),
                 std::tuple(title, size, size));
        QVERIFY(!(window.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (const auto& [name, geometry] : controls)
            QCOMPARE(std::pair(name, child(&window, name)->geometry()), std::pair(name, geometry));
        for (const QWidget* control : window.findChildren<QWidget*>())
            QVERIFY2(LayoutChecks::captionFits(control), qPrintable(control->objectName()));
    }
    static QLineEdit* pathBox(const frmRunFile& dialog)
    {
        return child<QLineEdit>(&dialog, "Text1");
    }

private slots:
    void init() { f.emplace().create(); }
    void cleanup() { f.reset(); }

    void theRunFileDialogAsDesigned()
    {
        frmRunFile dialog(f->settings, f->window.get());
        checkDesign(dialog, u"Run File"_s, {314, 59},
                    {{"Text1", {8, 9, 268, 19}},
                     {"Command1", {282, 8, 25, 21}},
                     {"cmdCancel", {153, 36, 80, 19}},
                     {"cmdOK", {234, 36, 73, 19}}});
        QCOMPARE(LayoutChecks::tabOrder(child(&dialog, "cmdCancel")),
                 u"cmdCancel cmdOK Text1 Command1"_s);
        QCOMPARE(dialog.focusWidget(), child(&dialog, "cmdCancel"));
        for (const auto* button : dialog.findChildren<QPushButton*>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
        QVERIFY(!child<QPushButton>(&dialog, "Command1")->icon().isNull());
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    }

    void browsingThenCancelKeepsTheStoredPathAndOkStoresItTrimmed()
    {
        f->store(SettingKey::RunFile, u"/old/file"_s);
        QTemporaryDir files;
        const QString noDot = files.path() + u"/wakeup"_s;
        QVERIFY(QFile(noDot).open(QIODevice::WriteOnly));
        frmRunFile browsed(f->settings, f->window.get());
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            QCOMPARE(std::tuple(chooser->windowTitle(), chooser->directory().path(),
                                chooser->nameFilters(), chooser->selectedNameFilter()),
                     std::tuple(u"Please select a file"_s, u"/"_s, frmRunFile::FileTypes,
                                u"Exe Files (*.exe)"_s));
            // "All Files" lists a file without a dot in its name; "Exe Files" does not.
            chooser->setDirectory(files.path());
            auto* proxy = chooser->proxyModel();
            const QPersistentModelIndex file =
                qobject_cast<QFileSystemModel*>(proxy->sourceModel())->index(noDot);
            QTRY_VERIFY(!proxy->mapFromSource(file).isValid());
            chooser->selectNameFilter(frmRunFile::FileTypes.last());
            emit chooser->filterSelected(frmRunFile::FileTypes.last());
            QTRY_VERIFY(proxy->mapFromSource(file).isValid());
            chooser->selectFile(noDot);
            QMetaObject::invokeMethod(chooser, "accept");
        });
        browsed.Command1_Click();
        QCOMPARE(pathBox(browsed)->text(), noDot);
        browsed.cmdCancel_Click();

        // The stored path is shown again; blanks count as empty; OK stores the path trimmed.
        frmRunFile dialog(f->settings, f->window.get());
        QCOMPARE(pathBox(dialog)->text(), u"/old/file"_s);
        pathBox(dialog)->setText(u"   "_s);
        f->closeNextModal();
        dialog.cmdOK_Click();
        QCOMPARE(f->closedModals, QStringList{u"Run File Setup: Please choose a file which you "
                                              u"want to run in time (Information, buttons: 1)"_s});
        QCOMPARE(f->stored(SettingKey::RunFile), u"/old/file"_s);
        QCOMPARE(dialog.result(), 0);
        pathBox(dialog)->setText(u"  /home/me/wake up.sh \t"_s);
        dialog.cmdOK_Click();
        QCOMPARE(f->stored(SettingKey::RunFile), u"/home/me/wake up.sh"_s);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(pathBox(frmRunFile(f->settings, f->window.get()))->text(),
                 u"/home/me/wake up.sh"_s);
    }

    void theRunFileDialogOpensOnMouseReleaseOverRunFileOnly()
    {
        f->window->show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        for (int times = 0; times < 2; ++times) { // the second time already selected
            f->closeNextModal();
            QTest::mouseClick(f->control("Option2_3"), Qt::LeftButton);
        }
        QCOMPARE(f->closedModals, QStringList({u"frmRunFile"_s, u"frmRunFile"_s}));
        QCOMPARE(f->stored(SettingKey::ShutDown), u"3"_s);

        // Neither another action nor the keyboard opens it.
        f->closeNextModal();
        QTest::mouseClick(f->control("Option2_1"), Qt::LeftButton);
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        f->closeNextModal();
        QTest::keyClick(f->focus("Option2_1"), Qt::Key_Right);
        QVERIFY(f->control<QRadioButton>("Option2_3")->isChecked());
        QTest::qWait(10);
        QCOMPARE(f->closedModals.size(), 2);
    }

    void theAboutWindowTellsWhatTheProgramIs()
    {
        frmAbout about(f->shell, f->window.get());
        checkDesign(about, u"About Somnivo - Auto Shutdown Timer"_s, {329, 132},
                    {{"Image1", {12, 13, 49, 48}},
                     {"Label2", {186, 67, 124, 15}},
                     {"cmdOK", {237, 106, 84, 23}}});
        QStringList texts;
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription_0"})
            texts << child<QLabel>(&about, name)->text();
        QCOMPARE(texts,
                 QStringList({u"Somnivo"_s, u"Version 3.0.0"_s,
                              u"Fall asleep easily while listening to your favorite music!"_s}));
        QCOMPARE(child(&about, "lblTitle")->font().pointSizeF(), 13.5);
        QVERIFY(child(&about, "lblDescription_0")->font().bold());
        QVERIFY(!child<QLabel>(&about, "Image1")->pixmap().isNull());
        QCOMPARE(child(&about, "Label2")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f->control("Label1")->cursor().shape(), Qt::PointingHandCursor);
    }

    void theMailLinkOpensAMessageAndEnterOrEscapeCloses()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            frmAbout about(f->shell, f->window.get());
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QTest::mouseClick(child(&about, "Label2"), Qt::LeftButton);
            QCOMPARE(f->shell.openedUrls.takeLast(), QUrl(u"mailto:support@example.org"_s));
            QVERIFY(about.isVisible());
            QCOMPARE(about.focusWidget(), child(&about, "cmdOK"));
            QTest::keyClick(&about, key);
            QVERIFY(!about.isVisible());
        }
    }

    void theBlackScreenCoversEverythingAndGoesAtAnyKeyOrClick()
    {
        for (const bool byKey : {true, false}) {
            bool shown = false;
            frmBlackScreen screen(shown, f->window.get());
            QVERIFY(shown);
            QCOMPARE(screen.geometry(), QGuiApplication::primaryScreen()->virtualGeometry());
            QVERIFY(screen.windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(screen.palette().color(QPalette::Window), QColor(Qt::black));
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            QCOMPARE(screen.cursor().shape(), Qt::ArrowCursor);
            QTRY_COMPARE(screen.cursor().shape(), Qt::BlankCursor); // after 200 ms
            QVERIFY(screen.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
            if (byKey)
                QTest::keyClick(&screen, Qt::Key_Shift);
            else
                QTest::mouseClick(&screen, Qt::RightButton);
            QVERIFY(!screen.isVisible() && !shown);
            QCOMPARE(screen.cursor().shape(), Qt::ArrowCursor);
        }
    }

    void theBlackScreenTimerShowsItOnlyWhenWantedAndNotTwice()
    {
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
        f->store(SettingKey::ShutDown, u"3"_s);
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
};

SOMNIVO_WIDGET_TEST_MAIN(tst_SecondaryWindows)
#include "tst_secondary_windows.moc"
