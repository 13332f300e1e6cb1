#include "support/LayoutChecks.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"
#include "windows/frmAbout.h"
#include "windows/frmBlackScreen.h"
#include "windows/frmRunFile.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <functional>

// The Run File dialog, the About window and the black screen.
class tst_SecondaryWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    template <typename T = QWidget> static T* child(const QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(QLatin1StringView(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    // Runs check on the next modal window that opens, then lets the caller's exec() return.
    static void onNextModal(std::function<void(QWidget*)> check)
    {
        QTimer::singleShot(0, [check] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            check(modal);
        });
    }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->create();
    }
    void cleanup() { f.reset(); }

    void theRunFileDialogAsDesigned()
    {
        frmRunFile dialog(f->settings, f->window.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Run File"));
        QCOMPARE(dialog.size(), QSize(314, 59));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(child(&dialog, "Text1")->geometry(), QRect(8, 9, 268, 19));
        QCOMPARE(child(&dialog, "Command1")->geometry(), QRect(282, 8, 25, 21));
        QCOMPARE(child(&dialog, "cmdCancel")->geometry(), QRect(153, 36, 80, 19));
        QCOMPARE(child(&dialog, "cmdOK")->geometry(), QRect(234, 36, 73, 19));
        QCOMPARE(LayoutChecks::tabOrder(child(&dialog, "cmdCancel")),
                 QStringList({QStringLiteral("cmdCancel"), QStringLiteral("cmdOK"),
                              QStringLiteral("Text1"), QStringLiteral("Command1")}));
        QCOMPARE(dialog.focusWidget(), child(&dialog, "cmdCancel"));
        for (const char* name : {"cmdOK", "cmdCancel", "Command1"})
            QVERIFY(!child<QPushButton>(&dialog, name)->isDefault() &&
                    !child<QPushButton>(&dialog, name)->autoDefault());
        QVERIFY(!child<QPushButton>(&dialog, "Command1")->icon().isNull());
        for (const QWidget* control : dialog.findChildren<QWidget*>())
            QVERIFY2(LayoutChecks::captionFits(control), qPrintable(control->objectName()));
    }

    void okStoresTheTrimmedPathAndBlanksCountAsEmpty()
    {
        f->store(SettingKey::RunFile, QStringLiteral("/old/file"));
        frmRunFile dialog(f->settings, f->window.get());
        auto* path = child<QLineEdit>(&dialog, "Text1");
        QCOMPARE(path->text(), QStringLiteral("/old/file"));

        path->setText(QStringLiteral("   "));
        QString message;
        onNextModal([&message](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Run File Setup"));
            QCOMPARE(box->icon(), QMessageBox::Information);
            message = box->text();
            box->accept();
        });
        dialog.cmdOK_Click();
        QCOMPARE(message, QStringLiteral("Please choose a file which you want to run in time"));
        QCOMPARE(f->stored(SettingKey::RunFile), QStringLiteral("/old/file"));
        QCOMPARE(dialog.result(), 0);

        path->setText(QStringLiteral("  /home/me/wake up.sh \t"));
        dialog.cmdOK_Click();
        QCOMPARE(f->stored(SettingKey::RunFile), QStringLiteral("/home/me/wake up.sh"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        frmRunFile again(f->settings, f->window.get());
        QCOMPARE(child<QLineEdit>(&again, "Text1")->text(), QStringLiteral("/home/me/wake up.sh"));
    }

    void browsingOffersTheFileTypesAndCancelKeepsTheStoredPath()
    {
        f->store(SettingKey::RunFile, QStringLiteral("/old/file"));
        QTemporaryDir files;
        QFile noDot(files.path() + QStringLiteral("/wakeup"));
        QVERIFY(noDot.open(QIODevice::WriteOnly));
        noDot.close();
        frmRunFile dialog(f->settings, f->window.get());
        onNextModal([&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            QVERIFY(chooser);
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Please select a file"));
            QCOMPARE(chooser->directory().path(), QStringLiteral("/"));
            QCOMPARE(chooser->nameFilters(), frmRunFile::FileTypes);
            QCOMPARE(chooser->selectedNameFilter(), QStringLiteral("Exe Files (*.exe)"));

            // "All Files" lists a file without a dot in its name; "Exe Files" does not.
            chooser->setDirectory(files.path());
            const auto listed = [chooser, &noDot] {
                const QModelIndex index = chooser->proxyModel()->mapFromSource(
                    qobject_cast<QFileSystemModel*>(chooser->proxyModel()->sourceModel())
                        ->index(noDot.fileName()));
                return index.isValid();
            };
            QTRY_VERIFY(!listed());
            chooser->selectNameFilter(frmRunFile::FileTypes.last());
            emit chooser->filterSelected(frmRunFile::FileTypes.last());
            QTRY_VERIFY(listed());
            chooser->selectFile(noDot.fileName());
            QMetaObject::invokeMethod(chooser, "accept");
        });
        dialog.Command1_Click();
        QCOMPARE(child<QLineEdit>(&dialog, "Text1")->text(), noDot.fileName());
        dialog.cmdCancel_Click();
        QCOMPARE(f->stored(SettingKey::RunFile), QStringLiteral("/old/file"));
    }

    void escapeLeavesTheRunFileDialogOpen()
    {
        frmRunFile dialog(f->settings, f->window.get());
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    }

    void theRunFileDialogOpensOnMouseReleaseOverRunFileOnly()
    {
        f->window->show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        int opened = 0;
        const auto cancel = [&opened](QWidget* modal) {
            ++opened;
            QVERIFY(qobject_cast<frmRunFile*>(modal));
            modal->close();
        };
        onNextModal(cancel);
        QTest::mouseClick(f->control("Option2_3"), Qt::LeftButton);
        QCOMPARE(opened, 1);
        QCOMPARE(f->stored(SettingKey::ShutDown), QStringLiteral("3"));
        onNextModal(cancel);
        QTest::mouseClick(f->control("Option2_3"), Qt::LeftButton); // already selected
        QCOMPARE(opened, 2);

        // Neither the keyboard nor another action opens it.
        QTest::mouseClick(f->control("Option2_1"), Qt::LeftButton);
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        f->control("Option2_1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->control("Option2_1"), Qt::Key_Right);
        QVERIFY(f->control<QRadioButton>("Option2_3")->isChecked());
        QTest::qWait(10);
        QCOMPARE(opened, 2);
    }

    void theAboutWindowTellsWhatTheProgramIs()
    {
        frmAbout about(f->shell, f->window.get());
        QCOMPARE(about.windowTitle(), QStringLiteral("About Somnivo - Auto Shutdown Timer"));
        QCOMPARE(about.size(), QSize(329, 132));
        QCOMPARE(child<QLabel>(&about, "lblTitle")->text(), QStringLiteral("Somnivo"));
        QCOMPARE(child<QLabel>(&about, "lblVersion")->text(), QStringLiteral("Version 3.0.0"));
        QCOMPARE(child<QLabel>(&about, "lblDescription_0")->text(),
                 QStringLiteral("Fall asleep easily while listening to your favorite music!"));
        QCOMPARE(child(&about, "lblTitle")->font().pointSizeF(), 13.5);
        QVERIFY(child(&about, "lblDescription_0")->font().bold());
        QCOMPARE(child(&about, "Image1")->geometry(), QRect(12, 13, 49, 48));
        QCOMPARE(child(&about, "Label2")->geometry(), QRect(186, 67, 124, 15));
        QCOMPARE(child(&about, "cmdOK")->geometry(), QRect(237, 106, 84, 23));
        QVERIFY(!child<QLabel>(&about, "Image1")->pixmap().isNull());
        QCOMPARE(child(&about, "Label2")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f->control("Label1")->cursor().shape(), Qt::PointingHandCursor);
        for (const QWidget* control : about.findChildren<QWidget*>())
            QVERIFY2(LayoutChecks::captionFits(control), qPrintable(control->objectName()));
    }

    void enterAndEscapeBothCloseTheAboutWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void enterAndEscapeBothCloseTheAboutWindow()
    {
        QFETCH(int, key);
        frmAbout about(f->shell, f->window.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(about.focusWidget(), child(&about, "cmdOK"));
        QTest::keyClick(&about, Qt::Key(key));
        QVERIFY(!about.isVisible());
    }

    void theMailLinkOpensANewMessageAndStays()
    {
        frmAbout about(f->shell, f->window.get());
        about.show();
        QTest::mouseClick(child(&about, "Label2"), Qt::LeftButton);
        QCOMPARE(f->shell.openedUrls,
                 QList<QUrl>{QUrl(QStringLiteral("mailto:support@example.org"))});
        QVERIFY(about.isVisible());
    }

    void theBlackScreenCoversEverythingAndGoesAtAnyKeyOrClick_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Shift") << true;
        QTest::newRow("right button") << false;
    }
    void theBlackScreenCoversEverythingAndGoesAtAnyKeyOrClick()
    {
        QFETCH(bool, byKey);
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
        QVERIFY(!screen.isVisible());
        QVERIFY(!shown);
        QCOMPARE(screen.cursor().shape(), Qt::ArrowCursor);
    }

    void theBlackScreenTimerShowsItOnlyWhenWantedAndNotTwice()
    {
        SleepRun& run = f->window->sleepRun();
        f->control<QLineEdit>("txtShutDown")->setText(QStringLiteral("5"));
        f->window->run().BlackScreenFlag = 0;
        f->control<QPushButton>("cmdRestz")->click();
        run.Timer1_Timer();
        QVERIFY(!run.timer1().isActive());
        QVERIFY(!f->window->findChild<frmBlackScreen*>());

        f->window->run().BlackScreenFlag = 1;
        f->window->run().BlackScreenShown = true;
        run.timer1().start();
        run.Timer1_Timer();
        QVERIFY(!f->window->findChild<frmBlackScreen*>());

        // Up, it stays up until dismissed; the end of a Run File run closes it before opening.
        f->window->run().BlackScreenShown = false;
        bool screenUpWhenOpened = true;
        f->shell.onOpen = [&] { screenUpWhenOpened = f->window->run().BlackScreenShown; };
        f->store(SettingKey::ShutDown, QStringLiteral("3"));
        f->control<QLineEdit>("txtShutDown")->setText(QStringLiteral("0.05"));
        f->control<QPushButton>("cmdRestz")->click(); // stop
        f->control<QPushButton>("cmdRestz")->click(); // and a new run of 3 s
        QTimer::singleShot(0, [this] {
            QVERIFY(f->window->run().BlackScreenShown);
            f->clock.advance(4000);
            f->window->sleepRun().timCheckEnd_Timer();
        });
        run.Timer1_Timer(); // returns once the black screen has closed
        QCOMPARE(f->shell.openedPaths.size(), 1);
        QVERIFY(!screenUpWhenOpened);
        QVERIFY(!f->window->run().BlackScreenShown);
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_SecondaryWindows)
#include "tst_secondary_windows.moc"
