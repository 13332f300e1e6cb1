#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QGroupBox>
#include <QScreen>

#include <tuple>

// What start-up makes of the settings store.
class tst_Startup : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;

    static QPoint centredOnPrimaryScreen(const QWidget& window)
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
    }
    // The option mirrors the sleep run reads: action, schedule, black screen, fade.
    std::tuple<int, int, int, int> flags() const
    {
        const RunState& run = f->window->run();
        return {run.ActionIndex, run.ScheduleMode, run.BlackScreenFlag, run.DiminFlag};
    }

private slots:
    void init() { f.emplace(); }
    void cleanup() { f.reset(); }

    void firstStartShowsTheDefaultsAndStoresWhatTheRestoreChanged()
    {
        frmSomnivo& window = f->create();
        QCOMPARE(f->options(), u"txtShutDown=5 cmbHour=00 cmbMinute=00 Option1_0 Option2_1 "
                               u"chkBlackScreen=1 chkDimin=1 chkStartUp=0 ChkMinOnStart=0 "
                               u"chkDaily=0"_s);
        QCOMPARE(f->disabled(), u"cmbHour cmbMinute chkDaily"_s);
        QCOMPARE(flags(), std::tuple(1, 0, 1, 1));
        QCOMPARE(f->control<QComboBox>("cmbHour")->count(), 24);
        QCOMPARE(f->control<QComboBox>("cmbMinute")->count(), 60);
        QCOMPARE(f->control<QComboBox>("cmbMinute")->itemText(59), u"59"_s);
        QCOMPARE(window.pos(), centredOnPrimaryScreen(window));
        QCOMPARE(f->control<QLabel>("Label4")->text(), u"07:29"_s);

        // Only the controls whose restore changed them stored anything.
        QCOMPARE(f->storedFile(),
                 u"Config/BlackScreen=1 Config/Dimin=1 Config/SetTime=5 Config/ShutDown=1"_s);
    }

    void everyStoredOptionIsRestored()
    {
        f->storeAll(u"SHour=7 SMinute=30 SetTime=90 ShutDown=3 Schedule=1 BlackScreen=0 Dimin=0 "
                    u"AutoStart=1 MinOnStart=1 RunDaily=1 PosX=1500 PosY=3000"_s);
        QCOMPARE(f->create().pos(), QPoint(100, 200));
        QCOMPARE(f->options(), u"txtShutDown=90 cmbHour=07 cmbMinute=30 Option1_1 Option2_3 "
                               u"chkBlackScreen=0 chkDimin=0 chkStartUp=1 ChkMinOnStart=1 "
                               u"chkDaily=1"_s);
        QCOMPARE(f->disabled(), u"txtShutDown Label2"_s);
        QCOMPARE(flags(), std::tuple(3, 1, 0, 0));
    }

    void anEmptyCountdownAndValuesNoControlCanShowAreSurvived()
    {
        f->storeAll(u"SetTime= SHour=99 SMinute=-7 ShutDown=9 Schedule=5 BlackScreen=7 Dimin=2 "
                    u"PosX=9999999 PosY=-99999999999999"_s);
        frmSomnivo& window = f->create();
        // An empty countdown, lists without a selection, no action selected, the countdown kind
        // still showing and every input enabled. A box shows unchecked for a value it cannot
        // show, grey for 2; the flag follows the box.
        QCOMPARE(std::pair(f->control<QComboBox>("cmbHour")->currentIndex(),
                           f->control<QComboBox>("cmbMinute")->currentIndex()),
                 std::pair(-1, -1));
        QCOMPARE(f->options(), u"txtShutDown= cmbHour= cmbMinute= Option1_0 chkBlackScreen=0 "
                               u"chkDimin=2 chkStartUp=0 ChkMinOnStart=0 chkDaily=0"_s);
        QCOMPARE(f->disabled(), QString());
        QCOMPARE(flags(), std::tuple(9, 5, 0, 2));
        QCOMPARE(window.pos(), centredOnPrimaryScreen(window));
        // Nothing the user did not change was rewritten.
        QCOMPARE(f->storedFile(),
                 u"Config/BlackScreen=7 Config/Dimin=2 Config/PosX=9999999 "
                 u"Config/PosY=-99999999999999 Config/SHour=99 Config/SMinute=-7 Config/Schedule=5 "
                 u"Config/SetTime= Config/ShutDown=9"_s);
    }

    void theClockTimerShowsTimeAndDate()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        frmSomnivo& window = f->create();
        QCOMPARE(f->control<QGroupBox>("Frame3")->title(), u"Time is now"_s);
        f->clock.setLocalNow(QDateTime(QDate(2027, 1, 2), QTime(23, 5, 59)));
        window.Timer2_Timer();
        QCOMPARE(f->control<QLabel>("Label4")->text(), u"23:05"_s);
        QCOMPARE(f->control<QGroupBox>("Frame3")->title(), u"02/01/2027"_s);
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_Startup)
#include "tst_startup.moc"
