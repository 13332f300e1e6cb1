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

private:
    static QString entryText()
    {
        QFile file(XdgAutostartStore::entryPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static QString expectedEntry(const QString& exec, bool hidden)
    {
        return u"[Desktop Entry]\nType=Application\nName="_s +
               QString::fromUtf8(ProgramInfo::Title) + u"\nExec="_s + exec + u"\nHidden="_s +
               (hidden ? u"true"_s : u"false"_s) + u"\n"_s;
    }

private slots:
    void quotesTheProgramPathForTheExecLine_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");
        // The expected values are the file's text: quoting first, then the file's own escapes.
        QTest::newRow("plain") << u"/opt/somnivo"_s << u"/opt/somnivo/somnivo"_s;
        QTest::newRow("trailing slash") << u"/opt/somnivo/"_s << u"/opt/somnivo/somnivo"_s;
        QTest::newRow("blanks") << u"/home/a b/My Apps"_s << u"\"/home/a b/My Apps/somnivo\""_s;
        QTest::newRow("double quote")
            << u"/x/say \"hi\""_s << u"\"/x/say \\\\\"hi\\\\\"/somnivo\""_s;
        QTest::newRow("dollar") << u"/x/$HOME"_s << u"\"/x/\\\\$HOME/somnivo\""_s;
        QTest::newRow("backtick") << u"/x/`id`"_s << u"\"/x/\\\\`id\\\\`/somnivo\""_s;
        QTest::newRow("backslash") << u"/x/a\\b"_s << u"\"/x/a\\\\\\\\b/somnivo\""_s;
        QTest::newRow("percent") << u"/x/100%"_s << u"/x/100%%/somnivo"_s;
        QTest::newRow("percent, quoted") << u"/x/100% sure"_s << u"\"/x/100%% sure/somnivo\""_s;
        QTest::newRow("single quote") << u"/x/it's"_s << u"\"/x/it's/somnivo\""_s;
        QTest::newRow("tab") << u"/x/a\tb"_s << u"\"/x/a\\tb/somnivo\""_s;
        QTest::newRow("non-ASCII")
            << u"/home/jürgen/Programme/睡眠"_s << u"/home/jürgen/Programme/睡眠/somnivo"_s;
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
        XdgAutostartStore store;
        QCOMPARE(XdgAutostartStore::entryPath(),
                 home.configHome() + u"/autostart/SomnivoAutoStart.desktop"_s);
        const QString folder = home.path() + u"/my programs"_s;
        const QString enabled = expectedEntry(u"\"%1/somnivo\""_s.arg(folder), false);
        const QString disabled = expectedEntry(QString(), true);

        // Disabling first creates the folder and an entry that starts nothing.
        QVERIFY(store.writeEntry(folder, false));
        QCOMPARE(entryText(), disabled);
        QVERIFY(store.writeEntry(folder, true));
        QCOMPARE(entryText(), enabled);
        QVERIFY(store.writeEntry(folder, true));
        QCOMPARE(entryText(), enabled);
        QVERIFY(store.writeEntry(folder, false));
        QCOMPARE(entryText(), disabled);
        QVERIFY(store.writeEntry(folder, true));
        QCOMPARE(entryText(), enabled);
        QCOMPARE(QDir(home.configHome() + u"/autostart"_s).entryList(QDir::Files),
                 QStringList{u"SomnivoAutoStart.desktop"_s}); // no temporary file left behind
    }

    void reportsAnEntryItCannotWrite()
    {
        TestHome home;
        QFile blocker(home.configHome() + u"/autostart"_s); // a file where the folder belongs
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!XdgAutostartStore().writeEntry(home.path(), true));
    }
};

QTEST_GUILESS_MAIN(tst_AutostartStore)
#include "tst_autostart_store.moc"
