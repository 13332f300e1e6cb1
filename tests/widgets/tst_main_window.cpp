#include "platform/PlatformTexts.h"
#include "support/MainWindowFixture.h"
#include "windows/frmAbout.h"
#include "windows/frmEndingSoon.h"
#include "windows/frmRunFile.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTranslator>

#include <tuple>

// The main window: its design, what start-up makes of the settings store, and every option
// stored the moment the user changes it, and only the way the user changes it.
class tst_MainWindow : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;

    const QString absent = u"<absent>"_s;

    QString stored(std::initializer_list<QLatin1StringView> keys) const
    {
        QStringList values;
        for (const QLatin1StringView key : keys)
            values << f->stored(key);
        return values.join(u' ');
    }
    // Selects the whole text of an edit box (or a combo box's) and types over it.
    QLineEdit* typeInto(const char* name, const QString& text) const
    {
        QWidget* box = f->focus(name);
        auto* edit = qobject_cast<QLineEdit*>(box);
        if (!edit)
            edit = static_cast<QComboBox*>(box)->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        return edit;
    }
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(f->control(name), button);
    }

    // The window after start-up, shown and active: focus and clicks go to an active window.
    void shown()
    {
        f->create().show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    }

private slots:
    void init() { f.emplace(); }

    // Every window keeps its size, without a maximise button, and in every language at every
    // display scale every caption fits, drawn in a font that scales, and no two controls of a
    // window share an access key.
    void everyWindowShowsEveryCaptionWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("scale");
        for (const char* language : {"en", "de", "es", "fr", "it", "pl", "pt_BR", "ru", "zh_CN"}) {
            for (const qreal scale : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("%s %d %%", language, int(scale * 100)) << language << scale;
        }
    }
    void everyWindowShowsEveryCaptionWhole()
    {
        QFETCH(QString, language);
        QFETCH(qreal, scale);
        QTranslator translation;
        QVERIFY(translation.load(u":/i18n/somnivo_"_s + language));
        QVERIFY(language == u"en"_s ||
                translation.translate("frmSomnivo", "&Sleep Now!") != u"&Sleep Now!"_s);
        QCoreApplication::installTranslator(&translation);
        const auto uninstall =
            qScopeGuard([&] { QCoreApplication::removeTranslator(&translation); });
        frmSomnivo& main = f->create(false);
        frmRunFile runFile(f->settings, &main);
        frmAbout about(f->shell, &main);
        frmEndingSoon warning([] { return u"The computer will shut down in 0:59."_s; }, &main);
        // "Sleep Now!" while a run goes.
        const QWidget* sleepNow = f->control("cmdRestz");
        auto* stop = new QPushButton(QCoreApplication::translate("frmSomnivo", "&Stop"),
                                     sleepNow->parentWidget());
        stop->setGeometry(sleepNow->geometry());
        stop->setFont(sleepNow->font());
        for (const auto& [window, size] : {std::pair<QWidget*, QSize>(&main, {336, 289}),
                                           {&runFile, {314, 59}},
                                           {&about, {329, 132}},
                                           {&warning, warning.size()}}) {
            QCOMPARE(std::pair(window->minimumSize(), window->maximumSize()),
                     std::pair(size, size));
            QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
            // No two controls of a window share an access key, the caption that takes another's
            // place while a run goes included (that one only shares it with the one it replaces).
            QHash<QChar, const QWidget*> accessKeys;
            for (const QWidget* control : window->findChildren<QWidget*>()) {
                static const QRegularExpression mark(u"&([^&])"_s);
                const QString text = control->property("text").toString();
                if (const auto key = mark.match(text);
                    key.hasMatch() && control->window() == window) {
                    const QChar letter = key.captured(1).at(0).toLower();
                    const QWidget* other = accessKeys.value(letter);
                    QVERIFY2(!other || (control == stop && other == sleepNow) ||
                                 (control == sleepNow && other == stop),
                             qPrintable((other ? LayoutChecks::captionOf(other) : QString()) +
                                        u" / "_s + text));
                    accessKeys.insert(letter, control);
                }
                if (LayoutChecks::captionOf(control).isEmpty())
                    continue;
                QVERIFY2(LayoutChecks::captionFits(control, scale),
                         qPrintable(LayoutChecks::captionOf(control)));
                const QString crossed = LayoutChecks::captionCrossing(control, scale);
                QVERIFY2(crossed.isEmpty(),
                         qPrintable(LayoutChecks::captionOf(control) + u" runs into "_s + crossed));
                QVERIFY2(LayoutChecks::drawnInScalableFont(control),
                         qPrintable(control->objectName() + u' ' + control->font().family()));
            }
        }
        QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
        // What the system's services tell the user reaches a message in the user's language.
        for (const char* text : PlatformTexts::All)
            QVERIFY2(language == u"en"_s || !translation.translate("Platform", text).isEmpty(),
                     text);

        // The progress track's outline stays whole where the scale puts its edge between pixels.
        QImage drawn((QSizeF(main.size()) * scale).toSize(), QImage::Format_RGB32);
        drawn.setDevicePixelRatio(scale);
        main.render(&drawn);
        const QRect track = f->control("Shape1")->geometry();
        int outline = 0;
        for (int y = 0; y < drawn.height(); ++y)
            outline += drawn.pixel(int(track.center().x() * scale), y) == qRgb(0, 192, 0);
        QVERIFY2(outline >= 2, qPrintable(QString::number(outline)));
    }

    // Start-up shows what is stored, or the defaults; only the controls whose restore changed
    // them store anything, and nothing no control can show is shown.
    void startUpRestoresWhatIsStored_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");    // options | disabled inputs | the button's caption
        QTest::addColumn<QString>("flags");    // action, schedule, black screen, fade
        QTest::addColumn<QByteArray>("after"); // the settings file afterwards; empty: unchanged
        QTest::newRow("first start")
            << QString()
            << u"txtShutDown=5 cmbHour=00 cmbMinute=00 Option1_0 Option2_1 chkBlackScreen=1 "
               u"chkDimin=1 chkStartUp=0 ChkMinOnStart=0 chkDaily=0 | cmbHour cmbMinute chkDaily"
               u" | Sleep Now!"_s
            << u"1 0 1 1"_s
            << QByteArray(
                   "[Config]\nBlackScreen=1\nDimin=1\nIdleMinutes=30\nSetTime=5\nShutDown=1\n");
        // A daily clock time is armed at once; a countdown longer than the box takes is kept.
        QTest::newRow("every option")
            << u"SHour=7 SMinute=30 SetTime=12345abc ShutDown=3 Schedule=1 BlackScreen=0 Dimin=0 "
               u"AutoStart=1 MinOnStart=1 RunDaily=1 PosX=1500 PosY=3000 IdleMinutes=45"_s
            << u"txtShutDown=12345abc cmbHour=07 cmbMinute=30 Option1_1 Option2_3 chkBlackScreen=0 "
               u"chkDimin=0 chkStartUp=1 ChkMinOnStart=1 chkDaily=1 | txtShutDown Label2 | Stop"_s
            << u"3 1 0 0"_s << QByteArray();
        QTest::newRow("values no control can show")
            << u"SetTime= SHour=99 SMinute=-7 ShutDown=9 Schedule=5 BlackScreen=7 Dimin=2 "
               u"PosX=9999999 PosY=-99999999999999 IdleMinutes=abc"_s
            << u"txtShutDown= cmbHour= cmbMinute= Option1_0 chkBlackScreen=0 chkDimin=2 "
               u"chkStartUp=0 ChkMinOnStart=0 chkDaily=0 |  | Sleep Now!"_s
            << u"9 5 0 2"_s << QByteArray();
    }
    void startUpRestoresWhatIsStored()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, flags);
        QFETCH(QByteArray, after);
        if (!stored.isEmpty())
            f->store(stored);
        const QByteArray before = f->storedFile();
        frmSomnivo& window = f->create();
        const RunState& run = window.run();
        QCOMPARE(QStringList({f->options(), f->disabled(),
                              LayoutChecks::captionOf(f->control<QPushButton>("cmdRestz"))})
                     .join(u" | "),
                 shown);
        QCOMPARE(u"%1 %2 %3 %4"_s.arg(run.ActionIndex)
                     .arg(run.ScheduleMode)
                     .arg(run.BlackScreenFlag)
                     .arg(run.DiminFlag),
                 flags);
        QCOMPARE(f->storedFile(), after.isEmpty() ? before : after);
        // Where it was, or centred when nothing (reachable) is stored.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.pos(), stored.contains(u"PosX=1500"_s)
                                   ? QPoint(100, 200)
                                   : QPoint((screen.width() - window.width()) / 2,
                                            (screen.height() - window.height()) / 2));
    }

    void checkBoxesAndTheActionStoreEveryChangeAndKeepTheirFlags()
    {
        shown();
        click("chkBlackScreen");
        QTest::keyClick(f->focus("chkDimin"), Qt::Key_Space);
        click("ChkMinOnStart");
        click("chkStartUp");
        QCOMPARE(stored({SettingKey::BlackScreen, SettingKey::Dimin, SettingKey::MinOnStart,
                         SettingKey::AutoStart}),
                 u"0 0 1 1"_s);
        QCOMPARE(std::pair(f->window->run().BlackScreenFlag, f->window->run().DiminFlag),
                 std::pair(0, 0));
        // The action, by the mouse or by the keyboard.
        click("Option2_2");
        QCOMPARE(std::pair(f->stored(SettingKey::ShutDown), f->window->run().ActionIndex),
                 std::pair(u"2"_s, 2));
        QTest::keyClick(f->focus("Option2_2"), Qt::Key_Right);
        QCOMPARE(std::pair(f->stored(SettingKey::ShutDown), f->window->run().ActionIndex),
                 std::pair(u"1"_s, 1));
    }

    void dailyAndTheScheduleKindAreStoredWhenTheUserLetsGo()
    {
        shown();
        // A button released away from the box stores nothing.
        QTest::mousePress(f->control("chkDaily"), Qt::LeftButton);
        QTest::mouseRelease(f->control("chkDaily"), Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(stored({SettingKey::Schedule, SettingKey::RunDaily}), absent + u' ' + absent);
        // The keyboard stores as the mouse does: arrows between "In" and "At", Space on "Daily".
        QTest::keyClick(f->focus("Option1_0"), Qt::Key_Down);
        QCOMPARE(f->disabled(), u"txtShutDown Label2"_s);
        QTest::keyClick(f->focus("chkDaily"), Qt::Key_Space);
        QCOMPARE(stored({SettingKey::Schedule, SettingKey::RunDaily}), u"1 1"_s);
        click("chkDaily");
        click("Option1_0");
        QCOMPARE(stored({SettingKey::Schedule, SettingKey::RunDaily}), u"0 0"_s);
        QCOMPARE(f->disabled(), u"cmbHour cmbMinute chkDaily"_s);
        // Any button released over an option stores its index, even one that does not select it.
        click("Option1_1", Qt::RightButton);
        QVERIFY(f->control<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(f->stored(SettingKey::Schedule), u"1"_s);
    }

    void theCountdownIsStoredAsTypedAndAZeroBecomesOneWhenLeft()
    {
        shown();
        QCOMPARE(typeInto("txtShutDown", u"12345"_s)->text(), u"1234"_s);
        QCOMPARE(f->stored(SettingKey::SetTime), u"1234"_s);
        QTest::keyClick(typeInto("txtShutDown", QString()), Qt::Key_Backspace);
        QCOMPARE(f->stored(SettingKey::SetTime), QString());
        for (const auto& [typed, kept] : {std::pair(u"00"_s, u"00"_s), std::pair(u"0"_s, u"1"_s)}) {
            typeInto("txtShutDown", typed);
            // Clicking a button takes the focus before the button acts: a typed "0" arms a
            // countdown of one minute.
            click("cmdRestz");
            QCOMPARE(std::pair(f->control<QLineEdit>("txtShutDown")->text(),
                               f->stored(SettingKey::SetTime)),
                     std::pair(kept, kept));
        }
        QCOMPARE(f->window->run().SleepSpanMs, 60'000.0);
    }

    void hourAndMinuteAreStoredWhenTheFocusLeaves()
    {
        shown();
        click("Option1_1");
        auto* hour = static_cast<QComboBox*>(f->focus("cmbHour"));
        QTest::keyClick(hour, Qt::Key_Down);
        QTest::keyClick(hour, Qt::Key_Down);
        hour->showPopup(); // opening the list is not leaving the box
        hour->hidePopup();
        QCOMPARE(f->stored(SettingKey::SHour), absent);
        typeInto("cmbMinute", u"7"_s); // a text that is no list item selects nothing
        QCOMPARE(f->stored(SettingKey::SHour), u"2"_s);
        click("cmdRestz");
        QCOMPARE(f->stored(SettingKey::SMinute), u"-1"_s);
    }

    // A command line goes through the user's handlers: the same keys stored and the run armed,
    // once start-up has finished; a later one replaces the run, "--stop" ends it.
    void theCommandLineArmsAndStopsThroughTheUsersHandlers()
    {
        f->create(false);
        const auto carryOut = [this](const QStringList& arguments) {
            // As the running copy gets it: parsed, handed on as arguments, parsed again.
            f->window->carryOut(CommandLine::parse(CommandLine::parse(arguments).arguments()));
        };
        const QString file = QCoreApplication::applicationFilePath();
        carryOut(
            {u"--at"_s, u"7:05"_s, u"--daily"_s, u"--action=runfile"_s, u"--run-file"_s, file});
        QCOMPARE(f->stored(SettingKey::Schedule), absent);
        f->window->Form_Load();
        QCOMPARE(stored({SettingKey::Schedule, SettingKey::SHour, SettingKey::SMinute,
                         SettingKey::RunDaily, SettingKey::ShutDown, SettingKey::RunFile}),
                 u"1 7 5 1 3 "_s + file);
        const auto* button = f->control<QPushButton>("cmdRestz");
        QCOMPARE(LayoutChecks::captionOf(button), SleepRun::StopCaption);
        carryOut({u"--in"_s, u"2.5"_s});
        QCOMPARE(stored({SettingKey::Schedule, SettingKey::SetTime}), u"0 2.5"_s);
        QCOMPARE(f->window->run().SleepSpanMs, 150'000.0);
        carryOut({u"--stop"_s});
        QCOMPARE(LayoutChecks::captionOf(button), SleepRun::SleepNowCaption);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_main_window.moc"
