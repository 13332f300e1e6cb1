#include "forms/LineControl.h"
#include "forms/ShapeControl.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QTextStream>

// The main window as the user first sees it, before start-up fills it in.
class tst_MainLayout : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    // "name in container (x,y wxh) "caption" family points [bold] [cut off]", in pixels
    // (twips / 15); "cut off" when the caption does not fit the room the control leaves for it.
    static QString describe(const QWidget* w)
    {
        const QRect g = w->geometry();
        QString text;
        QTextStream(&text) << w->objectName() << " in " << w->parentWidget()->objectName() << " ("
                           << g.x() << ',' << g.y() << ' ' << g.width() << 'x' << g.height()
                           << ") \"" << LayoutChecks::captionOf(w) << "\" " << w->font().family()
                           << ' ' << w->font().pointSizeF() << (w->font().bold() ? " bold" : "")
                           << (LayoutChecks::captionFits(w) ? "" : " cut off");
        return text;
    }

private slots:
    void initTestCase() { f.create(false); }

    void everyControlIsWhereTheDesignPutsIt()
    {
        for (const QString& expected :
             {u"fraPlayer_0 in frmSomnivo (3,-3 293x149) \"\" MS Sans Serif 8.25"_s,
              u"Frame1 in fraPlayer_0 (6,9 281x66) \"Time Schedule\" MS Sans Serif 8.25"_s,
              u"txtShutDown in Frame1 (45,17 37x19) \"\" Verdana 8.25"_s,
              u"Label2 in Frame1 (86,20 107x12) \"minutes from now on\" MS Sans Serif 8.25"_s,
              u"Option1_0 in Frame1 (10,21 29x13) \"In\" MS Sans Serif 8.25"_s,
              u"Option1_1 in Frame1 (10,44 34x13) \"At\" MS Sans Serif 8.25"_s,
              u"cmbHour in Frame1 (44,40 40x21) \"\" Verdana 8.25"_s,
              u"Label3 in Frame1 (87,42 6x18) \":\" MS Sans Serif 9.75 bold"_s,
              u"cmbMinute in Frame1 (95,40 38x21) \"\" MS Sans Serif 8.25"_s,
              u"chkDaily in Frame1 (142,44 59x13) \"Daily\" MS Sans Serif 8.25"_s,
              u"Frame3 in Frame1 (190,8 83x51) \"Time is now\" MS Sans Serif 8.25"_s,
              u"Frame5 in Frame3 (7,11 69x35) \"\" MS Sans Serif 8.25"_s,
              u"Label4 in Frame5 (12,14 49x17) \"03:03\" Courier 9.75 bold"_s,
              u"Frame4 in fraPlayer_0 (6,76 281x36) \"Action\" MS Sans Serif 8.25"_s,
              u"Option2_0 in Frame4 (8,15 55x15) \"LogOff\" MS Sans Serif 8.25"_s,
              u"Option2_2 in Frame4 (66,15 59x15) \"ReBoot\" MS Sans Serif 8.25"_s,
              u"Option2_1 in Frame4 (129,15 72x15) \"ShutDown\" MS Sans Serif 8.25"_s,
              u"Option2_3 in Frame4 (206,15 65x15) \"Run File\" MS Sans Serif 8.25"_s,
              u"chkStartUp in fraPlayer_0 (15,114 147x17) \"Load At System Start\" Verdana 8.25"_s,
              u"ChkMinOnStart in fraPlayer_0 (15,128 150x17) \"Minimize On Start\" Verdana 8.25"_s,
              u"chkDimin in fraPlayer_0 (173,116 97x14) \"Diminuendo\" Verdana 8.25"_s,
              u"chkBlackScreen in fraPlayer_0 (173,130 105x15) \"BlackScreen\" Verdana 8.25"_s,
              u"Frame2 in frmSomnivo (300,-3 33x191) \"Vol\" MS Sans Serif 8.25"_s,
              u"Volume in Frame2 (11,16 11x169) \"\" MS Sans Serif 8.25"_s,
              u"Shape1 in frmSomnivo (3,149 292x13) \"\" MS Sans Serif 8.25"_s,
              u"cmdRestz in frmSomnivo (3,166 99x24) \"Sleep Now!\" Verdana 9.75"_s,
              u"Label1 in frmSomnivo (119,169 65x14) \"example.org\" MS Sans Serif 8.25"_s,
              u"cmdAbout in frmSomnivo (194,166 102x24) \"About\" Verdana 9.75"_s}) {
            const QByteArray name = expected.section(u' ', 0, 0).toLatin1();
            QCOMPARE(describe(f.control(name.constData())), expected);
        }
    }

    void theWindowAndItsDrawingsLookAsDesigned()
    {
        const frmSomnivo& window = *f.window;
        QCOMPARE(window.size(), QSize(336, 191));
        QCOMPARE(window.windowTitle(), u"Somnivo - Auto Shutdown Timer "_s);
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());

        const auto* line = f.control<LineControl>("Line1");
        QCOMPARE(QLineF(line->x1(), line->y1(), line->x2(), line->y2()),
                 QLineF(165, 2325, 4290, 2325));
        QCOMPARE(std::pair(line->lineColor(), line->borderWidth()),
                 std::pair(QColor(128, 128, 255), 7));
        QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
        // Drawn over the white track and beneath every control.
        const auto* track = f.control<ShapeControl>("Shape1");
        QCOMPARE(track->fillColor(), QColor(Qt::white));
        QCOMPARE(window.children().indexOf(track) + 1, window.children().indexOf(line));

        QCOMPARE(f.control("chkStartUp")->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(f.control("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(f.control("Label1")->font().underline());
        QVERIFY(!f.control<QPushButton>("cmdRestz")->autoDefault());
        QVERIFY(!f.control<QPushButton>("cmdAbout")->autoDefault());
        // Empty and unchecked until start-up fills the controls in.
        QCOMPARE(f.options(), u"txtShutDown= cmbHour= cmbMinute= Option1_0 chkBlackScreen=0 "
                              u"chkDimin=0 chkStartUp=0 ChkMinOnStart=0 chkDaily=0"_s);
        QVERIFY(f.control<QComboBox>("cmbHour")->isEditable());
        QVERIFY(f.control<QComboBox>("cmbMinute")->isEditable());
    }

    void timersHaveTheirIntervals()
    {
        QStringList timers;
        for (const char* name : {"Timer3", "Timer2", "timGetVolume", "timCheckEnd", "Timer1"}) {
            const auto* timer = f.control<QTimer>(name);
            timers << u"%1 %2%3"_s.arg(QLatin1StringView(name))
                          .arg(timer->interval())
                          .arg(timer->isActive() ? u" running"_s : QString());
        }
        QCOMPARE(timers.join(u", "), u"Timer3 65530, Timer2 5000 running, "
                                     u"timGetVolume 1000 running, timCheckEnd 2000, Timer1 5000"_s);
    }

    void tabVisitsTheControlsInTheDesignedOrder()
    {
        QCOMPARE(LayoutChecks::tabOrder(f.control("cmdRestz")),
                 u"cmdRestz cmdAbout Volume chkBlackScreen chkDimin Option2_0 Option2_1 Option2_2 "
                 u"Option2_3 txtShutDown Option1_0 Option1_1 chkDaily cmbHour cmbMinute "
                 u"chkStartUp ChkMinOnStart"_s);
        QCOMPARE(f.window->focusWidget(), f.control("cmdRestz"));
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_MainLayout)
#include "tst_main_layout.moc"
