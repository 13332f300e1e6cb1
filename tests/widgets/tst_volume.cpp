#include "audio/VolumeSlider.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <tuple>

// The master volume as the slider shows and sets it, on a fake mixer.
class tst_Volume : public QObject
{
    Q_OBJECT

    std::optional<MainWindowFixture> f;

    QScrollBar* slider() const { return f->control<QScrollBar>("Volume"); }
    VolumeSlider& volume() const { return f->window->volumeSlider(); }
    // Clicks the slider's arrow button at its top end (louder) or at its bottom end.
    void clickArrow(bool top) const
    {
        const QPoint at(slider()->width() / 2, top ? 3 : slider()->height() - 4);
        QTest::mouseClick(slider(), Qt::LeftButton, {}, at);
    }

private slots:
    void init() { f.emplace(); }
    void cleanup() { f.reset(); }

    void lookingUpTheVolumeControl()
    {
        // What the lookup answers, and leaves in CurrentVolume and the control record.
        using Result = std::tuple<bool, int, quint32, quint32, qint32>;
        for (const auto& [hasLine, hasControl, readable, expected] :
             {std::tuple(false, true, true, Result(false, 123, 0, 0, 0)),
              std::tuple(true, false, true, Result(false, 123, 152, 0, 0)),
              std::tuple(true, true, false, Result(true, 123, 152, 42, 65535)),
              std::tuple(true, true, true, Result(true, 65535, 152, 42, 65535))}) {
            std::tie(f->mixer.hasLine, f->mixer.hasControl, f->mixer.readable, f->mixer.value) =
                std::tuple(hasLine, hasControl, readable, 65535u);
            MixerVolume volume(f->mixer);
            volume.CurrentVolume = 123;
            MixerControlRecord record;
            const bool found =
                volume.GetVolumeControl(Mixer::SpeakersLine, Mixer::VolumeControl, record);
            QCOMPARE(Result(found, volume.CurrentVolume, record.cbStruct, record.dwControlID,
                            record.lMaximum),
                     expected);
            f->mixer.writable = found;
            QCOMPARE(volume.SetVolumeControl(record, 1000), found);
        }
    }

    void startUpShowsTheVolumeJustShortOfTheTopAndThePollFollows()
    {
        f->mixer.value = 65535;
        f->create();
        QCOMPARE(std::tuple(volume().value(), volume().top(), volume().bottom()),
                 std::tuple(32700, 32767, 0));
        QCOMPARE(f->mixer.value, 65400u);
        QVERIFY(slider()->isEnabled());
        f->mixer.writes.clear();
        volume().timGetVolume_Timer();
        volume().timGetVolume_Timer();
        QCOMPARE(volume().value(), 32700);
        QVERIFY(f->mixer.writes.isEmpty());

        // Changes made elsewhere: shown, and written back as the slider has them.
        for (const auto& [outside, shown, written] :
             {std::tuple(65535u, 32767, 65534u), std::tuple(30001u, 15000, 30000u)}) {
            f->mixer.value = outside;
            f->mixer.writes.clear();
            volume().timGetVolume_Timer();
            QCOMPARE(volume().value(), shown);
            QCOMPARE(f->mixer.writes, QList<quint32>{written});
        }
    }

    void theArrowsAndKeysStepByAThousandAndThePollPausesWithTheFocus()
    {
        f->create().show();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        auto* poll = f->control<QTimer>("timGetVolume");
        QVERIFY(poll->isActive());
        volume().setValue(20000);
        f->mixer.writes.clear();
        clickArrow(true);
        QCOMPARE(f->mixer.writes, QList<quint32>{42000});
        clickArrow(false);
        QCOMPARE(volume().value(), 20000);
        QTest::keyClick(f->focus("Volume"), Qt::Key_Up);
        QCOMPARE(volume().value(), 21000);
        QVERIFY(!poll->isActive());
        QTest::keyClick(slider(), Qt::Key_PageDown);
        QCOMPARE(volume().value(), 20000);
        f->focus("txtShutDown");
        QVERIFY(poll->isActive());
        // At the top there is nothing to write.
        volume().setValue(32767);
        f->mixer.writes.clear();
        clickArrow(true);
        QCOMPARE(std::pair(volume().value(), f->mixer.writes.isEmpty()), std::pair(32767, true));
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
        QCOMPARE(std::pair(volume().value(), volume().top()), std::pair(15000, 32767));
    }

    void withoutAMixerStartUpSaysSoAndRestoresTheRest()
    {
        f->mixer.opens = false;
        f->storeAll(u"SetTime=42 PosX=1500 PosY=3000"_s);
        f->closeNextModal();
        f->create();
        QCOMPARE(
            f->closedModals,
            QStringList{u"Volume Control: Could not open the mixer. (Critical, buttons: 1)"_s});
        QVERIFY(!slider()->isEnabled());
        QCOMPARE(f->control<QLineEdit>("txtShutDown")->text(), u"42"_s);
        QCOMPARE(f->window->pos(), QPoint(100, 200));
        QCOMPARE(f->window->run().LineFullX2, 4290);
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_Volume)
#include "tst_volume.moc"
