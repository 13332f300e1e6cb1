#include "ProgramInfo.h"
#include "platform/linux/XdgAutostartStore.h"
#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_AutostartStore : public QObject
{
    Q_OBJECT

private slots:
    void quotesTheProgramPathForTheExecLine_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");
        // The expected values are the file's text: quoting first, then the file's own escapes.
        QTest::newRow("plain") << u"/opt/somnivo"_s << u"/opt/somnivo/somnivo"_s;
        QTest::newRow("trailing slash") << u"/opt/somnivo/"_s << u"/opt/somnivo/somnivo"_s;
        QTest::newRow("non-ASCII") << u"/home/jürgen/睡眠"_s << u"/home/jürgen/睡眠/somnivo"_s;
        QTest::newRow("blanks") << u"/home/a b/My Apps"_s << u"\"/home/a b/My Apps/somnivo\""_s;
        QTest::newRow("single quote") << u"/x/it's"_s << u"\"/x/it's/somnivo\""_s;
        QTest::newRow("\"$`\\ escaped")
            << u"/x/\"$`\\"_s << u"\"/x/\\\\\"\\\\$\\\\`\\\\\\\\/somnivo\""_s;
        QTest::newRow("percent") << u"/x/100%"_s << u"/x/100%%/somnivo"_s;
        QTest::newRow("tab") << u"/x/a\tb"_s << u"\"/x/a\\tb/somnivo\""_s;
    }
    void quotesTheProgramPathForTheExecLine()
    {
        QFETCH(QString, folder);
        QFETCH(QString, exec);
        QCOMPARE(XdgAutostartStore::execValue(folder), exec);
    }

    void writesTheEntryAsSwitched()
    {
        TestHome home;
        QCOMPARE(XdgAutostartStore::entryPath(),
                 home.configHome() + u"/autostart/SomnivoAutoStart.desktop"_s);
        const auto entry = [](const QString& exec, const char* hidden) {
            return u"[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nHidden=%3\n"_s.arg(
                QString::fromUtf8(ProgramInfo::Title), exec, QLatin1StringView(hidden));
        };
        const auto written = [] {
            QFile file(XdgAutostartStore::entryPath());
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString folder = home.path() + u"/my programs"_s;
        XdgAutostartStore store;
        // Disabling first creates the folder and an entry that starts nothing.
        for (const bool enabled : {false, true, true, false, true}) {
            QVERIFY(store.writeEntry(folder, enabled));
            QCOMPARE(written(), enabled ? entry(u"\"%1/somnivo\""_s.arg(folder), "false")
                                        : entry(QString(), "true"));
        }
        QCOMPARE(QDir(home.configHome() + u"/autostart"_s).entryList(QDir::Files),
                 QStringList{u"SomnivoAutoStart.desktop"_s}); // no temporary file left behind

        // A file where the folder belongs.
        QVERIFY(QDir(home.configHome() + u"/autostart"_s).removeRecursively());
        QVERIFY(QFile(home.configHome() + u"/autostart"_s).open(QIODevice::WriteOnly));
        QVERIFY(!store.writeEntry(folder, true));
    }
};

QTEST_GUILESS_MAIN(tst_AutostartStore)
#include "tst_autostart_store.moc"
