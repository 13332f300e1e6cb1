#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

// Every option is stored the moment the user changes it, and only the way the user changes it.
class tst_OptionHandlers : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;
    const QString absent = u"<absent>"_s;

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

private slots:
    void init()
    {
        f.emplace().create().show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    }
    void cleanup() { f.reset(); }

    void checkBoxesAndTheActionStoreEveryChangeAndKeepTheirFlags()
    {
        QTest::mouseClick(f->control("chkBlackScreen"), Qt::LeftButton);
        QTest::keyClick(f->focus("chkDimin"), Qt::Key_Space);
        QTest::mouseClick(f->control("ChkMinOnStart"), Qt::LeftButton);
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QCOMPARE(f->stored({SettingKey::BlackScreen, SettingKey::Dimin, SettingKey::MinOnStart,
                            SettingKey::AutoStart}),
                 u"0 0 1 1"_s);
        QCOMPARE(std::pair(f->window->run().BlackScreenFlag, f->window->run().DiminFlag),
                 std::pair(0, 0));
        QTest::mouseClick(f->control("chkStartUp"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::AutoStart), u"0"_s);
        // The action, by the mouse or by the keyboard.
        QTest::mouseClick(f->control("Option2_2"), Qt::LeftButton);
        QCOMPARE(std::pair(f->stored(SettingKey::ShutDown), f->window->run().ActionIndex),
                 std::pair(u"2"_s, 2));
        QTest::keyClick(f->focus("Option2_2"), Qt::Key_Right);
        QVERIFY(f->control<QRadioButton>("Option2_1")->isChecked());
        QCOMPARE(std::pair(f->stored(SettingKey::ShutDown), f->window->run().ActionIndex),
                 std::pair(u"1"_s, 1));
    }

    void dailyIsStoredByTheMouseOnly()
    {
        QTest::mouseClick(f->control("Option1_1"), Qt::LeftButton);
        auto* daily = f->control<QCheckBox>("chkDaily");
        QTest::keyClick(f->focus("chkDaily"), Qt::Key_Space);
        QVERIFY(daily->isChecked());
        // Neither the space bar nor a button released away from the box stores it.
        QTest::mousePress(daily, Qt::LeftButton);
        QTest::mouseRelease(daily, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(f->stored(SettingKey::RunDaily), absent);
        QTest::mouseClick(f->control("chkDaily"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::RunDaily), u"0"_s);
        QTest::mouseClick(f->control("chkDaily"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::RunDaily), u"1"_s);
    }

    void theScheduleKindIsStoredByTheMouseOnly()
    {
        // Arrow keys move between "In" and "At": the inputs follow, the store does not.
        QTest::keyClick(f->focus("Option1_0"), Qt::Key_Down);
        QVERIFY(f->control<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(f->disabled(), u"txtShutDown Label2"_s);
        QCOMPARE(f->stored(SettingKey::Schedule), absent);
        QTest::mouseClick(f->control("Option1_0"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::Schedule), u"0"_s);
        QCOMPARE(f->disabled(), u"cmbHour cmbMinute chkDaily"_s);
        QTest::mouseClick(f->control("Option1_1"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::Schedule), u"1"_s);
        // Any button released over a button stores its index, even one that does not select it.
        QTest::mouseClick(f->control("Option1_0"), Qt::RightButton);
        QVERIFY(f->control<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(f->stored(SettingKey::Schedule), u"0"_s);
    }

    void theCountdownIsStoredAsTyped()
    {
        QCOMPARE(typeInto("txtShutDown", u"12345"_s)->text(), u"1234"_s);
        QCOMPARE(f->stored(SettingKey::SetTime), u"1234"_s);
        typeInto("txtShutDown", u"abc"_s);
        QCOMPARE(f->stored(SettingKey::SetTime), u"abc"_s);
        QTest::keyClick(typeInto("txtShutDown", QString()), Qt::Key_Backspace);
        QCOMPARE(f->stored(SettingKey::SetTime), QString());
    }

    void aZeroCountdownBecomesOneMinuteWhenLeft()
    {
        for (const auto& [typed, kept] : {std::pair(u"00"_s, u"00"_s), std::pair(u"0"_s, u"1"_s)}) {
            typeInto("txtShutDown", typed);
            QCOMPARE(f->stored(SettingKey::SetTime), typed);
            // Clicking a button takes the focus before the button acts: a typed "0" arms a
            // countdown of one minute.
            QTest::mouseClick(f->control("cmdRestz"), Qt::LeftButton);
            QCOMPARE(f->control<QLineEdit>("txtShutDown")->text(), kept);
            QCOMPARE(f->stored(SettingKey::SetTime), kept);
        }
        QCOMPARE(f->window->run().SleepSpanMs, 60'000.0);
    }

    void hourAndMinuteAreStoredWhenTheFocusLeaves()
    {
        QTest::mouseClick(f->control("Option1_1"), Qt::LeftButton);
        auto* hour = static_cast<QComboBox*>(f->focus("cmbHour"));
        QTest::keyClick(hour, Qt::Key_Down);
        QTest::keyClick(hour, Qt::Key_Down);
        // Opening the list is not leaving the box.
        hour->showPopup();
        hour->hidePopup();
        QCOMPARE(f->stored(SettingKey::SHour), absent);
        typeInto("cmbMinute", u"7"_s); // a text that is no list item selects nothing
        QCOMPARE(f->stored(SettingKey::SHour), u"2"_s);
        QTest::mouseClick(f->control("cmdRestz"), Qt::LeftButton);
        QCOMPARE(f->stored(SettingKey::SMinute), u"-1"_s);
        typeInto("cmbMinute", u"45"_s);
        f->focus("chkDaily");
        QCOMPARE(f->stored(SettingKey::SMinute), u"45"_s);
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_OptionHandlers)
#include "tst_option_handlers.moc"
