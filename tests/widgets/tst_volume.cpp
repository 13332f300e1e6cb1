#include "audio/VolumeSlider.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>

// The master volume as the slider shows and sets it, on a fake mixer.
class tst_Volume : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    QScrollBar* slider() const { return f->control<QScrollBar>("Volume"); }
    VolumeSlider& volume() const { return f->window->volumeSlider(); }

    // Clicks one of the slider's arrow buttons with the mouse.
    void clickArrow(QStyle::SubControl arrow) const
    {
        QStyleOptionSlider option;
        option.initFrom(slider());
        option.orientation = Qt::Vertical;
        option.minimum = volume().bottom();
        option.maximum = volume().top();
        option.sliderPosition = slider()->sliderPosition();
        option.sliderValue = volume().value();
        option.upsideDown = slider()->invertedAppearance();
        option.subControls = QStyle::SC_All;
        const QRect button =
            slider()->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, slider());
        QTest::mouseClick(slider(), Qt::LeftButton, {}, button.center());
    }

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void lookingUpTheVolumeControl_data()
    {
        QTest::addColumn<bool>("hasLine");
        QTest::addColumn<bool>("hasControl");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("currentVolume");
        QTest::addColumn<quint32>("recordSize");
        QTest::addColumn<quint32>("controlId");
        QTest::newRow("no speakers line") << false << true << true << false << 123 << 0u << 0u;
        QTest::newRow("no volume control") << true << false << true << false << 123 << 152u << 0u;
        QTest::newRow("value unreadable") << true << true << false << true << 123 << 152u << 42u;
        QTest::newRow("full volume") << true << true << true << true << 65535 << 152u << 42u;
    }
    void lookingUpTheVolumeControl()
    {
        QFETCH(bool, hasLine);
        QFETCH(bool, hasControl);
        QFETCH(bool, readable);
        QFETCH(bool, found);
        QFETCH(int, currentVolume);
        QFETCH(quint32, recordSize);
        QFETCH(quint32, controlId);
        f->mixer.hasLine = hasLine;
        f->mixer.hasControl = hasControl;
        f->mixer.readable = readable;
        f->mixer.value = 65535;
        MixerVolume volume(f->mixer);
        volume.CurrentVolume = 123;
        MixerControlRecord record;
        QCOMPARE(volume.GetVolumeControl(Mixer::SpeakersLine, Mixer::VolumeControl, record), found);
        QCOMPARE(volume.CurrentVolume, currentVolume);
        QCOMPARE(record.cbStruct, recordSize);
        QCOMPARE(record.dwControlID, controlId);
        QCOMPARE(record.lMaximum, found ? 65535 : 0);
        // Only the speakers' volume exists.
        QVERIFY(!volume.GetVolumeControl(5, Mixer::VolumeControl, record));
        QVERIFY(!volume.GetVolumeControl(Mixer::SpeakersLine, 0x50030002, record));

        f->mixer.writable = found;
        QCOMPARE(volume.SetVolumeControl(record, 1000), found);
    }

    void startUpShowsTheVolumeJustShortOfTheTop()
    {
        f->mixer.value = 65535;
        f->create();
        QCOMPARE(volume().value(), 32700);
        QCOMPARE(f->mixer.value, 65400u);
        QCOMPARE(volume().top(), 32767);
        QCOMPARE(volume().bottom(), 0);
        QCOMPARE(slider()->singleStep(), 1000);
        QCOMPARE(slider()->pageStep(), 1000);
        QVERIFY(slider()->isEnabled());

        f->mixer.writes.clear();
        volume().timGetVolume_Timer();
        volume().timGetVolume_Timer();
        QCOMPARE(volume().value(), 32700);
        QVERIFY(f->mixer.writes.isEmpty());
    }

    void thePollFollowsChangesMadeElsewhere_data()
    {
        QTest::addColumn<quint32>("outside");
        QTest::addColumn<int>("shown");
        QTest::addColumn<quint32>("written");
        QTest::newRow("raised to the top") << 65535u << 32767 << 65534u;
        QTest::newRow("odd level") << 30001u << 15000 << 30000u;
        QTest::newRow("silent") << 0u << 0 << 0u;
    }
    void thePollFollowsChangesMadeElsewhere()
    {
        QFETCH(quint32, outside);
        QFETCH(int, shown);
        QFETCH(quint32, written);
        f->mixer.value = 40000;
        f->create();
        f->mixer.value = outside;
        f->mixer.writes.clear();
        volume().timGetVolume_Timer();
        QCOMPARE(volume().value(), shown);
        QCOMPARE(f->mixer.writes, QList<quint32>{written});
    }

    void theArrowsAndKeysStepByAThousandTowardsTheTop()
    {
        f->mixer.value = 40000;
        f->create().show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        volume().setValue(20000);
        f->mixer.writes.clear();
        clickArrow(QStyle::SC_ScrollBarSubLine); // the arrow at the top
        QCOMPARE(volume().value(), 21000);
        QCOMPARE(f->mixer.writes, QList<quint32>{42000});
        clickArrow(QStyle::SC_ScrollBarAddLine);
        QCOMPARE(volume().value(), 20000);

        slider()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(slider(), Qt::Key_Up);
        QCOMPARE(volume().value(), 21000);
        QTest::keyClick(slider(), Qt::Key_PageDown);
        QCOMPARE(volume().value(), 20000);

        volume().setValue(32767);
        f->mixer.writes.clear();
        clickArrow(QStyle::SC_ScrollBarSubLine);
        QCOMPARE(volume().value(), 32767);
        QVERIFY(f->mixer.writes.isEmpty());
    }

    void thePollPausesWhileTheSliderHasTheFocus()
    {
        f->create().show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        auto* poll = f->control<QTimer>("timGetVolume");
        QVERIFY(poll->isActive());
        slider()->setFocus(Qt::TabFocusReason);
        QVERIFY(!poll->isActive());
        f->control("txtShutDown")->setFocus(Qt::TabFocusReason);
        QVERIFY(poll->isActive());
    }

    void withoutAVolumeControlTheSliderWritesNothing()
    {
        f->mixer.hasControl = false;
        f->create();
        volume().setValue(1234);
        QVERIFY(f->mixer.writes.isEmpty());
        QVERIFY(slider()->isEnabled());

        // The control turns up later: the poll sets the slider up as start-up would have.
        f->mixer.hasControl = true;
        f->mixer.value = 30000;
        volume().timGetVolume_Timer();
        QCOMPARE(volume().value(), 15000);
        QCOMPARE(volume().top(), 32767);
    }

    void withoutAMixerStartUpSaysSoAndRestoresTheRest()
    {
        f->mixer.opens = false;
        f->store(SettingKey::SetTime, QStringLiteral("42"));
        f->store(SettingKey::PosX, QStringLiteral("1500"));
        f->store(SettingKey::PosY, QStringLiteral("3000"));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QCOMPARE(box->buttons().size(), 1);
            box->accept();
        });
        f->create();
        QCOMPARE(title, QStringLiteral("Volume Control"));
        QCOMPARE(text, QStringLiteral("Could not open the mixer."));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(!slider()->isEnabled());
        QCOMPARE(f->control<QLineEdit>("txtShutDown")->text(), QStringLiteral("42"));
        QCOMPARE(f->window->pos(), QPoint(100, 200));
        QCOMPARE(f->window->run().LineFullX2, 4290);
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_Volume)
#include "tst_volume.moc"
