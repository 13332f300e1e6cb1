#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

// What start-up makes of the settings store.
class tst_Startup : public QObject
{
    Q_OBJECT

    static QPoint centredOnPrimaryScreen(const QWidget& window)
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
    }

private slots:
    void firstStartShowsTheDefaultsAndStoresWhatTheRestoreChanged()
    {
        MainWindowFixture f;
        frmSomnivo& window = f.create();

        QVERIFY(f.control<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(f.control<QLineEdit>("txtShutDown")->text(), QStringLiteral("5"));
        QVERIFY(f.control<QRadioButton>("Option2_1")->isChecked());
        QCOMPARE(f.control<QCheckBox>("chkBlackScreen")->checkState(), Qt::Checked);
        QCOMPARE(f.control<QCheckBox>("chkDimin")->checkState(), Qt::Checked);
        for (const char* name : {"chkStartUp", "ChkMinOnStart", "chkDaily"})
            QCOMPARE(f.control<QCheckBox>(name)->checkState(), Qt::Unchecked);
        QCOMPARE(f.control<QComboBox>("cmbHour")->currentText(), QStringLiteral("00"));
        QCOMPARE(f.control<QComboBox>("cmbMinute")->currentText(), QStringLiteral("00"));
        QCOMPARE(f.control<QComboBox>("cmbHour")->count(), 24);
        QCOMPARE(f.control<QComboBox>("cmbMinute")->itemText(59), QStringLiteral("59"));
        QCOMPARE(window.pos(), centredOnPrimaryScreen(window));
        QCOMPARE(f.control<QLabel>("Label4")->text(), QStringLiteral("07:29"));

        // The countdown inputs are the ones in use.
        QVERIFY(f.control("txtShutDown")->isEnabled());
        QVERIFY(!f.control("cmbHour")->isEnabled());
        QVERIFY(!f.control("chkDaily")->isEnabled());

        QCOMPARE(window.run().ActionIndex, 1);
        QCOMPARE(window.run().ScheduleMode, 0);
        QCOMPARE(window.run().BlackScreenFlag, 1);
        QCOMPARE(window.run().DiminFlag, 1);
        QCOMPARE(window.run().LineFullX2, 4290);
        QCOMPARE(window.run().LineLength, 4125);

        // Only the controls whose restore changed them stored anything.
        QStringList keys = f.storedKeys();
        keys.sort();
        QCOMPARE(keys, QStringList(
                           {QStringLiteral("Config/BlackScreen"), QStringLiteral("Config/Dimin"),
                            QStringLiteral("Config/SetTime"), QStringLiteral("Config/ShutDown")}));
        QCOMPARE(f.stored(SettingKey::SetTime), QStringLiteral("5"));
        QCOMPARE(f.stored(SettingKey::ShutDown), QStringLiteral("1"));
        QCOMPARE(f.stored(SettingKey::BlackScreen), QStringLiteral("1"));
    }

    void everyStoredOptionIsRestored()
    {
        MainWindowFixture f;
        f.store(SettingKey::SHour, QStringLiteral("7"));
        f.store(SettingKey::SMinute, QStringLiteral("30"));
        f.store(SettingKey::SetTime, QStringLiteral("90"));
        f.store(SettingKey::ShutDown, QStringLiteral("3"));
        f.store(SettingKey::Schedule, QStringLiteral("1"));
        f.store(SettingKey::BlackScreen, QStringLiteral("0"));
        f.store(SettingKey::Dimin, QStringLiteral("0"));
        f.store(SettingKey::AutoStart, QStringLiteral("1"));
        f.store(SettingKey::MinOnStart, QStringLiteral("1"));
        f.store(SettingKey::RunDaily, QStringLiteral("1"));
        f.store(SettingKey::PosX, QStringLiteral("1500"));
        f.store(SettingKey::PosY, QStringLiteral("3000"));
        frmSomnivo& window = f.create();

        QCOMPARE(f.control<QComboBox>("cmbHour")->currentText(), QStringLiteral("07"));
        QCOMPARE(f.control<QComboBox>("cmbMinute")->currentText(), QStringLiteral("30"));
        QCOMPARE(f.control<QLineEdit>("txtShutDown")->text(), QStringLiteral("90"));
        QVERIFY(f.control<QRadioButton>("Option2_3")->isChecked());
        QVERIFY(f.control<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(f.control<QCheckBox>("chkBlackScreen")->checkState(), Qt::Unchecked);
        QCOMPARE(f.control<QCheckBox>("chkDimin")->checkState(), Qt::Unchecked);
        QCOMPARE(f.control<QCheckBox>("chkStartUp")->checkState(), Qt::Checked);
        QCOMPARE(f.control<QCheckBox>("ChkMinOnStart")->checkState(), Qt::Checked);
        QCOMPARE(f.control<QCheckBox>("chkDaily")->checkState(), Qt::Checked);
        QCOMPARE(window.pos(), QPoint(100, 200));

        QVERIFY(!f.control("txtShutDown")->isEnabled());
        QVERIFY(!f.control("Label2")->isEnabled());
        QVERIFY(f.control("cmbHour")->isEnabled());
        QVERIFY(f.control("cmbMinute")->isEnabled());
        QVERIFY(f.control("chkDaily")->isEnabled());
        QCOMPARE(window.run().ActionIndex, 3);
        QCOMPARE(window.run().ScheduleMode, 1);
        QCOMPARE(window.run().BlackScreenFlag, 0);
        QCOMPARE(window.run().DiminFlag, 0);
    }

    void aStoredEmptyCountdownStaysEmpty()
    {
        MainWindowFixture f;
        f.store(SettingKey::SetTime, QString());
        f.create();
        QCOMPARE(f.control<QLineEdit>("txtShutDown")->text(), QString());
        QCOMPARE(f.stored(SettingKey::SetTime), QString());
    }

    void valuesNoControlCanShowAreSurvived()
    {
        MainWindowFixture f;
        f.store(SettingKey::SHour, QStringLiteral("99"));
        f.store(SettingKey::SMinute, QStringLiteral("-7"));
        f.store(SettingKey::ShutDown, QStringLiteral("9"));
        f.store(SettingKey::Schedule, QStringLiteral("5"));
        f.store(SettingKey::BlackScreen, QStringLiteral("7"));
        f.store(SettingKey::Dimin, QStringLiteral("2"));
        f.store(SettingKey::PosX, QStringLiteral("9999999"));
        f.store(SettingKey::PosY, QStringLiteral("-99999999999999"));
        frmSomnivo& window = f.create();

        // Lists without a selection, no action selected, the countdown kind still showing.
        QCOMPARE(f.control<QComboBox>("cmbHour")->currentIndex(), -1);
        QCOMPARE(f.control<QComboBox>("cmbHour")->currentText(), QString());
        QCOMPARE(f.control<QComboBox>("cmbMinute")->currentIndex(), -1);
        for (const char* name : {"Option2_0", "Option2_1", "Option2_2", "Option2_3"})
            QVERIFY(!f.control<QRadioButton>(name)->isChecked());
        QCOMPARE(window.run().ActionIndex, 9);
        QVERIFY(f.control<QRadioButton>("Option1_0")->isChecked());
        QCOMPARE(window.run().ScheduleMode, 5);
        QVERIFY(f.control("txtShutDown")->isEnabled());
        QVERIFY(f.control("cmbHour")->isEnabled());

        // A box shows unchecked for a value it cannot show, grey for 2; the flag follows it.
        QCOMPARE(f.control<QCheckBox>("chkBlackScreen")->checkState(), Qt::Unchecked);
        QCOMPARE(window.run().BlackScreenFlag, 0);
        QCOMPARE(f.control<QCheckBox>("chkDimin")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(window.run().DiminFlag, 2);

        QCOMPARE(window.pos(), centredOnPrimaryScreen(window));
        // Nothing the user did not change was rewritten.
        QCOMPARE(f.stored(SettingKey::SHour), QStringLiteral("99"));
        QCOMPARE(f.stored(SettingKey::PosX), QStringLiteral("9999999"));
    }

    void theClockTimerShowsTimeAndDate()
    {
        MainWindowFixture f;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        frmSomnivo& window = f.create();
        QCOMPARE(f.control<QGroupBox>("Frame3")->title(), QStringLiteral("Time is now"));
        f.clock.advance(5000);
        window.Timer2_Timer();
        QCOMPARE(f.control<QLabel>("Label4")->text(), QStringLiteral("07:29"));
        QCOMPARE(f.control<QGroupBox>("Frame3")->title(), QStringLiteral("06/12/2026"));
        f.clock.setLocalNow(QDateTime(QDate(2027, 1, 2), QTime(23, 5, 59)));
        window.Timer2_Timer();
        QCOMPARE(f.control<QLabel>("Label4")->text(), QStringLiteral("23:05"));
        QCOMPARE(f.control<QGroupBox>("Frame3")->title(), QStringLiteral("02/01/2027"));
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_Startup)
#include "tst_startup.moc"
