#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Every option is stored the moment the user changes it, and only the way the user changes it.
class tst_OptionHandlers : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    QString absent() const { return QStringLiteral("<absent>"); }

    // Moves the keyboard focus the way the Tab key would.
    void focus(const char* name) const
    {
        f->control(name)->setFocus(Qt::TabFocusReason);
        QVERIFY(f->control(name)->hasFocus());
    }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->create().show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    }
    void cleanup() { f.reset(); }

    void checkBoxesStoreEveryChangeAndKeepTheirFlags()
    {
        QTest::mouseClick(f->control("chkBlackScreen"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::BlackScreen), QStringLiteral("0"));
        QCOMPARE(f->window->run().BlackScreenFlag, 0);

        focus("chkDimin");
        QTest::keyClick(f->control("chkDimin"), Qt::Key_Space);
        QCOMPARE(f->stored(SettingKey::Dimin), QStringLiteral("0"));
        QCOMPARE(f->window->run().DiminFlag, 0);

        QTest::mouseClick(f->control("ChkMinOnStart"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::MinOnStart), QStringLiteral("1"));
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::AutoStart), QStringLiteral("1"));
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::AutoStart), QStringLiteral("0"));
    }

    void dailyIsStoredByTheMouseOnly()
    {
        QTest::mouseClick(f->control("Option1_1"), Qt::LeftButton);
        auto* daily = f->control<QCheckBox>("chkDaily");
        QVERIFY(daily->isEnabled());

        focus("chkDaily");
        QTest::keyClick(daily, Qt::Key_Space);
        QVERIFY(daily->isChecked());
        QCOMPARE(f->stored(SettingKey::RunDaily), absent());

        QTest::mouseClick(daily, Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::RunDaily), QStringLiteral("0"));
        QTest::mouseClick(daily, Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::RunDaily), QStringLiteral("1"));
        // A button released away from the box does not count.
        QTest::mousePress(daily, Qt::LeftButton);
        QTest::mouseRelease(daily, Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(daily->isChecked());
        QCOMPARE(f->stored(SettingKey::RunDaily), QStringLiteral("1"));
    }

    void theScheduleKindIsStoredByTheMouseOnly()
    {
        // Arrow keys move between "In" and "At": the inputs follow, the store does not.
        focus("Option1_0");
        QTest::keyClick(f->control("Option1_0"), Qt::Key_Down);
        QVERIFY(f->control<QRadioButton>("Option1_1")->isChecked());
        QVERIFY(f->control("cmbHour")->isEnabled());
        QVERIFY(!f->control("txtShutDown")->isEnabled());
        QCOMPARE(f->stored(SettingKey::Schedule), absent());

        QTest::mouseClick(f->control("Option1_0"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::Schedule), QStringLiteral("0"));
        QVERIFY(f->control("txtShutDown")->isEnabled());
        QVERIFY(!f->control("cmbMinute")->isEnabled());
        QVERIFY(!f->control("chkDaily")->isEnabled());
        QTest::mouseClick(f->control("Option1_1"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::Schedule), QStringLiteral("1"));

        // Any button released over a button stores its index, even one that does not select it.
        QTest::mouseClick(f->control("Option1_0"), Qt::RightButton);
        QVERIFY(f->control<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(f->stored(SettingKey::Schedule), QStringLiteral("0"));
    }

    void theActionIsStoredHoweverItIsChosen()
    {
        QTest::mouseClick(f->control("Option2_0"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::ShutDown), QStringLiteral("0"));
        QCOMPARE(f->window->run().ActionIndex, 0);

        QTest::mouseClick(f->control("Option2_2"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::ShutDown), QStringLiteral("2"));
        QCOMPARE(f->window->run().ActionIndex, 2);

        focus("Option2_2");
        QTest::keyClick(f->control("Option2_2"), Qt::Key_Right);
        QVERIFY(f->control<QRadioButton>("Option2_1")->isChecked());
        QCOMPARE(f->stored(SettingKey::ShutDown), QStringLiteral("1"));
        QCOMPARE(f->window->run().ActionIndex, 1);
    }

    void theCountdownIsStoredAsTyped()
    {
        auto* minutes = f->control<QLineEdit>("txtShutDown");
        focus("txtShutDown");
        minutes->selectAll();
        QTest::keyClicks(minutes, QStringLiteral("12345"));
        QCOMPARE(minutes->text(), QStringLiteral("1234"));
        QCOMPARE(f->stored(SettingKey::SetTime), QStringLiteral("1234"));

        minutes->selectAll();
        QTest::keyClick(minutes, Qt::Key_Backspace);
        QCOMPARE(f->stored(SettingKey::SetTime), QString());
        QTest::keyClicks(minutes, QStringLiteral("abc"));
        QCOMPARE(f->stored(SettingKey::SetTime), QStringLiteral("abc"));
    }

    void aZeroCountdownBecomesOneMinuteWhenLeft_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("1");
        QTest::newRow("00") << QStringLiteral("00") << QStringLiteral("00");
        QTest::newRow("-0") << QStringLiteral("-0") << QStringLiteral("-0");
    }
    void aZeroCountdownBecomesOneMinuteWhenLeft()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto* minutes = f->control<QLineEdit>("txtShutDown");
        focus("txtShutDown");
        minutes->selectAll();
        QTest::keyClicks(minutes, typed);
        QCOMPARE(f->stored(SettingKey::SetTime), typed);

        // Clicking a button takes the focus before the button acts: a typed "0" arms a
        // countdown of one minute.
        QTest::mouseClick(f->control("cmdRestz"), Qt::LeftButton);
        QCOMPARE(minutes->text(), kept);
        QCOMPARE(f->stored(SettingKey::SetTime), kept);
        QCOMPARE(f->window->run().SleepSpanMs, kept == QLatin1String("1") ? 60'000.0 : 0.0);
    }

    void hourAndMinuteAreStoredWhenTheFocusLeaves()
    {
        QTest::mouseClick(f->control("Option1_1"), Qt::LeftButton);
        auto* hour = f->control<QComboBox>("cmbHour");
        focus("cmbHour");
        QTest::keyClick(hour, Qt::Key_Down);
        QTest::keyClick(hour, Qt::Key_Down);
        QCOMPARE(hour->currentText(), QStringLiteral("02"));
        QCOMPARE(f->stored(SettingKey::SHour), absent());

        // Opening the list is not leaving the box.
        hour->showPopup();
        hour->hidePopup();
        QCOMPARE(f->stored(SettingKey::SHour), absent());

        focus("cmbMinute");
        QCOMPARE(f->stored(SettingKey::SHour), QStringLiteral("2"));

        // A typed text that is no list item selects nothing.
        auto* minute = f->control<QComboBox>("cmbMinute");
        minute->lineEdit()->selectAll();
        QTest::keyClicks(minute, QStringLiteral("7"));
        QTest::mouseClick(f->control("cmdRestz"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::SMinute), QStringLiteral("-1"));

        focus("cmbMinute");
        minute->lineEdit()->selectAll();
        QTest::keyClicks(minute, QStringLiteral("45"));
        focus("chkDaily");
        QCOMPARE(f->stored(SettingKey::SMinute), QStringLiteral("45"));
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_OptionHandlers)
#include "tst_option_handlers.moc"
