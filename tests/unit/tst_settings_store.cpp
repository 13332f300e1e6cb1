#include "app/SettingsStore.h"
#include "support/TestHome.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <optional>

using namespace Qt::StringLiterals;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QString somnivo() { return u"somnivo"_s; }
    std::optional<TestHome> home;
    const SettingsStore store{somnivo};

private slots:
    void init() { home.emplace(); }
    void cleanup() { home.reset(); }

    void theFileIsNamedAfterTheProgramAtEveryAccessAndWrittenThrough()
    {
        QString program = u"/opt/bin/somnivo"_s;
        const SettingsStore renamable([&program] { return program; });
        QCOMPARE(renamable.filePath(), home->settingsFile(somnivo()));
        QVERIFY(renamable.WriteSetting(SettingKey::BlackScreen, u"0"_s));
        // Written through before the call returned: the bytes are in the file already.
        const QByteArray before = fileBytes(home->settingsFile(somnivo()));
        QVERIFY2(before.contains("[Config]\nBlackScreen=0\n"), before.constData());

        // A renamed program file has settings of its own.
        program = u"/usr/bin/sleepy.bin"_s;
        QCOMPARE(renamable.ReadSetting(SettingKey::BlackScreen, u"1"_s), u"1"_s);
        renamable.WriteSetting(SettingKey::BlackScreen, u"2"_s);
        QVERIFY(fileBytes(home->settingsFile(u"sleepy"_s)).contains("BlackScreen=2"));
        QCOMPARE(fileBytes(home->settingsFile(somnivo())), before);
    }

    void absentKeyGivesTheDefaultAndPresentEmptyTextDoesNot()
    {
        QCOMPARE(store.ReadSetting(SettingKey::SetTime, u"5"_s), u"5"_s);
        QVERIFY2(!QFile::exists(store.filePath()), "reading must not create anything");
        store.WriteSetting(SettingKey::SetTime, QString());
        QCOMPARE(store.ReadSetting(SettingKey::SetTime, u"5"_s), QString());
    }

    void textsComeBackExactlyAsStored()
    {
        for (const QString& text :
             {u"/home/me/My Music/play list.m3u"_s, u"a,b,c"_s, u"@Variant(x)"_s,
              u"say \"hi\" \\ now"_s, u"x=1;y=2"_s, u"  5  "_s, u"/home/jürgen/Träume ☾.mp3"_s}) {
            QVERIFY(store.WriteSetting(SettingKey::RunFile, text));
            QCOMPARE(store.ReadSetting(SettingKey::RunFile, QString()), text);
        }
    }

    void rewritingTheSameTextLeavesTheFileAlone()
    {
        QVERIFY(store.WriteSetting(SettingKey::SetTime, u"5"_s));
        const QDateTime written = QFileInfo(store.filePath()).lastModified();
        QThread::msleep(15); // so that a rewrite would show in the modification time
        QVERIFY(store.WriteSetting(SettingKey::SetTime, u"5"_s));
        QCOMPARE(QFileInfo(store.filePath()).lastModified(), written);
    }

    void handEditedListReadsAsOneText()
    {
        store.WriteSetting(SettingKey::SetTime, u"1"_s);
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Config]\nRunFile=/tmp/a, b\n");
        file.close();
        QCOMPARE(store.ReadSetting(SettingKey::RunFile, QString()), u"/tmp/a,b"_s);
    }

    void numbersAreReadByTheNumberRule()
    {
        for (const auto& [text, number] :
             {std::pair(u"23abc"_s, 23), std::pair(u"abc"_s, 0),
              std::pair(u"99999999999"_s, 2147483647), std::pair(u"2.5"_s, 2)}) {
            store.WriteSetting(SettingKey::PosX, text);
            QCOMPARE(std::pair(text, store.ReadNumber(SettingKey::PosX, u"0"_s)),
                     std::pair(text, number));
        }
        QCOMPARE(store.ReadNumber(SettingKey::Dimin, u"1"_s), 1);
        QVERIFY(store.WriteNumber(SettingKey::SHour, -1));
        QCOMPARE(store.ReadSetting(SettingKey::SHour, QString()), u"-1"_s);
    }

    void aWriteThatCannotReachTheDiskSaysSo()
    {
        // The configuration folder is a plain file, so nothing can be created below it.
        const QString blocker = home->path() + u"/blocked"_s;
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", blocker.toLocal8Bit());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"Could not store"_s));
        QVERIFY(!store.WriteSetting(SettingKey::Dimin, u"0"_s));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settings_store.moc"
