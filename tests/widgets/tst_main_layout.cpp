#include "forms/LineControl.h"
#include "forms/ShapeControl.h"
#include "support/LayoutChecks.h"
#include "support/MainWindowFixture.h"
#include "support/WidgetTestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

// The main window as the user first sees it, before start-up fills it in.
class tst_MainLayout : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

private slots:
    void initTestCase() { f.create(false); }

    void everyControlIsWhereTheDesignPutsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry"); // pixels: twips / 15
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");

        const QString sans = QStringLiteral("MS Sans Serif");
        const QString verdana = QStringLiteral("Verdana");
        const auto row = [](const char* name, const char* container, QRect geometry,
                            const char* caption, const QString& family, double points = 8.25,
                            bool bold = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                << geometry << QString::fromUtf8(caption) << family << points
                                << bold;
        };
        row("fraPlayer_0", "frmSomnivo", {3, -3, 293, 149}, "", sans);
        row("Frame1", "fraPlayer_0", {6, 9, 281, 66}, "Time Schedule", sans);
        row("txtShutDown", "Frame1", {45, 17, 37, 19}, "", verdana);
        row("Label2", "Frame1", {86, 20, 107, 12}, "minutes from now on", sans);
        row("Option1_0", "Frame1", {10, 21, 29, 13}, "In", sans);
        row("Option1_1", "Frame1", {10, 44, 34, 13}, "At", sans);
        row("cmbHour", "Frame1", {44, 40, 40, 21}, "", verdana);
        row("Label3", "Frame1", {87, 42, 6, 18}, ":", sans, 9.75, true);
        row("cmbMinute", "Frame1", {95, 40, 38, 21}, "", sans);
        row("chkDaily", "Frame1", {142, 44, 59, 13}, "Daily", sans);
        row("Frame3", "Frame1", {190, 8, 83, 51}, "Time is now", sans);
        row("Frame5", "Frame3", {7, 11, 69, 35}, "", sans);
        row("Label4", "Frame5", {12, 14, 49, 17}, "03:03", QStringLiteral("Courier"), 9.75, true);
        row("Frame4", "fraPlayer_0", {6, 76, 281, 36}, "Action", sans);
        row("Option2_0", "Frame4", {8, 15, 55, 15}, "LogOff", sans);
        row("Option2_2", "Frame4", {66, 15, 59, 15}, "ReBoot", sans);
        row("Option2_1", "Frame4", {129, 15, 72, 15}, "ShutDown", sans);
        row("Option2_3", "Frame4", {206, 15, 65, 15}, "Run File", sans);
        row("chkStartUp", "fraPlayer_0", {15, 114, 147, 17}, "Load At System Start", verdana);
        row("ChkMinOnStart", "fraPlayer_0", {15, 128, 150, 17}, "Minimize On Start", verdana);
        row("chkDimin", "fraPlayer_0", {173, 116, 97, 14}, "Diminuendo", verdana);
        row("chkBlackScreen", "fraPlayer_0", {173, 130, 105, 15}, "BlackScreen", verdana);
        row("Frame2", "frmSomnivo", {300, -3, 33, 191}, "Vol", sans);
        row("Volume", "Frame2", {11, 16, 11, 169}, "", sans);
        row("Shape1", "frmSomnivo", {3, 149, 292, 13}, "", sans);
        row("cmdRestz", "frmSomnivo", {3, 166, 99, 24}, "Sleep Now!", verdana, 9.75);
        row("Label1", "frmSomnivo", {119, 169, 65, 14}, "example.org", sans);
        row("cmdAbout", "frmSomnivo", {194, 166, 102, 24}, "About", verdana, 9.75);
    }
    void everyControlIsWhereTheDesignPutsIt()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);

        const QWidget* widget = f.control(name.toLatin1().constData());
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(LayoutChecks::captionOf(widget), caption);
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);

        QVERIFY2(LayoutChecks::captionFits(widget), "the caption is cut off");
    }

    void theWindowAndItsDrawingsLookAsDesigned()
    {
        const frmSomnivo& window = *f.window;
        QCOMPARE(window.size(), QSize(336, 191));
        QCOMPARE(window.windowTitle(), QStringLiteral("Somnivo - Auto Shutdown Timer "));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());

        const auto* line = f.control<LineControl>("Line1");
        QCOMPARE(QPointF(line->x1(), line->y1()), QPointF(165, 2325));
        QCOMPARE(QPointF(line->x2(), line->y2()), QPointF(4290, 2325));
        QCOMPARE(line->lineColor(), QColor(128, 128, 255));
        QCOMPARE(line->borderWidth(), 7);
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
    }

    void controlsStartEmptyAndUnchecked()
    {
        for (const auto* box : f.window->findChildren<QCheckBox*>())
            QCOMPARE(box->checkState(), Qt::Unchecked);
        QVERIFY(f.control<QRadioButton>("Option1_0")->isChecked());
        for (const char* name : {"Option1_1", "Option2_0", "Option2_1", "Option2_2", "Option2_3"})
            QVERIFY(!f.control<QRadioButton>(name)->isChecked());
        QCOMPARE(f.control<QComboBox>("cmbHour")->count(), 0);
        QCOMPARE(f.control<QComboBox>("cmbMinute")->count(), 0);
        QVERIFY(f.control<QComboBox>("cmbHour")->isEditable());
        QCOMPARE(f.control<QLineEdit>("txtShutDown")->maxLength(), 4);
    }

    void timersHaveTheirIntervals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("running");
        QTest::newRow("Timer3") << QStringLiteral("Timer3") << 65530 << false;
        QTest::newRow("Timer2") << QStringLiteral("Timer2") << 5000 << true;
        QTest::newRow("timGetVolume") << QStringLiteral("timGetVolume") << 1000 << true;
        QTest::newRow("timCheckEnd") << QStringLiteral("timCheckEnd") << 2000 << false;
        QTest::newRow("Timer1") << QStringLiteral("Timer1") << 5000 << false;
    }
    void timersHaveTheirIntervals()
    {
        QFETCH(QString, name);
        QFETCH(int, interval);
        QFETCH(bool, running);
        const auto* timer = f.control<QTimer>(name.toLatin1().constData());
        QCOMPARE(timer->interval(), interval);
        QCOMPARE(timer->isActive(), running);
    }

    void tabVisitsTheControlsInTheDesignedOrder()
    {
        const QStringList expected{QStringLiteral("cmdRestz"),     QStringLiteral("cmdAbout"),
                                   QStringLiteral("Volume"),       QStringLiteral("chkBlackScreen"),
                                   QStringLiteral("chkDimin"),     QStringLiteral("Option2_0"),
                                   QStringLiteral("Option2_1"),    QStringLiteral("Option2_2"),
                                   QStringLiteral("Option2_3"),    QStringLiteral("txtShutDown"),
                                   QStringLiteral("Option1_0"),    QStringLiteral("Option1_1"),
                                   QStringLiteral("chkDaily"),     QStringLiteral("cmbHour"),
                                   QStringLiteral("cmbMinute"),    QStringLiteral("chkStartUp"),
                                   QStringLiteral("ChkMinOnStart")};
        QCOMPARE(LayoutChecks::tabOrder(f.control("cmdRestz")), expected);
        QCOMPARE(f.window->focusWidget(), f.control("cmdRestz"));
    }
};

SOMNIVO_WIDGET_TEST_MAIN(tst_MainLayout)
#include "tst_main_layout.moc"
