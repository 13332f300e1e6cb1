#include "app/SettingsStore.h"
#include "support/TestHome.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private:
    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void storesUnderTheProgramNameInSectionConfig()
    {
        TestHome home;
        const SettingsStore store([] { return QStringLiteral("/opt/bin/somnivo"); });
        QCOMPARE(store.filePath(), home.settingsFile(QStringLiteral("somnivo")));

        QVERIFY(store.WriteSetting(SettingKey::BlackScreen, QStringLiteral("0")));
        // Written through before the call returned: the bytes are in the file already.
        const QByteArray bytes = fileBytes(home.settingsFile(QStringLiteral("somnivo")));
        QVERIFY2(bytes.contains("[Config]\nBlackScreen=0\n"), bytes.constData());
    }

    void absentKeyGivesTheDefaultAndPresentEmptyTextDoesNot()
    {
        TestHome home;
        const SettingsStore store([] { return QStringLiteral("somnivo"); });
        QCOMPARE(store.ReadSetting(SettingKey::SetTime, QStringLiteral("5")), QStringLiteral("5"));
        QVERIFY2(!QFile::exists(store.filePath()), "reading must not create anything");

        store.WriteSetting(SettingKey::SetTime, QString());
        QCOMPARE(store.ReadSetting(SettingKey::SetTime, QStringLiteral("5")), QString());
    }

    void textsComeBackExactlyAsStored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("path with blanks") << QStringLiteral("/home/me/My Music/play list.m3u");
        QTest::newRow("commas") << QStringLiteral("a,b,c");
        QTest::newRow("at sign first") << QStringLiteral("@Variant(x)");
        QTest::newRow("quotes and backslash") << QStringLiteral("say \"hi\" \\ now");
        QTest::newRow("semicolon and equals") << QStringLiteral("x=1;y=2");
        QTest::newRow("surrounding blanks") << QStringLiteral("  5  ");
        QTest::newRow("non-latin") << QStringLiteral("/home/jürgen/Träume ☾.mp3");
        QTest::newRow("letters") << QStringLiteral("abc");
    }
    void textsComeBackExactlyAsStored()
    {
        QFETCH(QString, text);
        TestHome home;
        const SettingsStore store([] { return QStringLiteral("somnivo"); });
        QVERIFY(store.WriteSetting(SettingKey::RunFile, text));
        QCOMPARE(store.ReadSetting(SettingKey::RunFile, QString()), text);
    }

    void rewritingTheSameTextLeavesTheFileAlone()
    {
        TestHome home;
        const SettingsStore store([] { return QStringLiteral("somnivo"); });
        QVERIFY(store.WriteSetting(SettingKey::SetTime, QStringLiteral("5")));
        const QDateTime written = QFileInfo(store.filePath()).lastModified();
        QThread::msleep(15); // so that a rewrite would show in the modification time
        QVERIFY(store.WriteSetting(SettingKey::SetTime, QStringLiteral("5")));
        QCOMPARE(QFileInfo(store.filePath()).lastModified(), written);
    }

    void handEditedListReadsAsOneText()
    {
        TestHome home;
        const SettingsStore store([] { return QStringLiteral("somnivo"); });
        store.WriteSetting(SettingKey::SetTime, QStringLiteral("1"));
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Config]\nRunFile=/tmp/a, b\n");
        file.close();
        QCOMPARE(store.ReadSetting(SettingKey::RunFile, QString()), QStringLiteral("/tmp/a,b"));
    }

    void numbersAreReadByTheNumberRule()
    {
        TestHome home;
        const SettingsStore store([] { return QStringLiteral("somnivo"); });
        store.WriteSetting(SettingKey::SHour, QStringLiteral("23abc"));
        store.WriteSetting(SettingKey::SMinute, QStringLiteral("abc"));
        store.WriteSetting(SettingKey::PosX, QStringLiteral("99999999999"));
        store.WriteSetting(SettingKey::PosY, QStringLiteral("2.5"));
        QCOMPARE(store.ReadNumber(SettingKey::SHour, QStringLiteral("00")), 23);
        QCOMPARE(store.ReadNumber(SettingKey::SMinute, QStringLiteral("00")), 0);
        QCOMPARE(store.ReadNumber(SettingKey::PosX, QStringLiteral("0")), 2147483647);
        QCOMPARE(store.ReadNumber(SettingKey::PosY, QStringLiteral("0")), 2);
        QCOMPARE(store.ReadNumber(SettingKey::Dimin, QStringLiteral("1")), 1);

        QVERIFY(store.WriteNumber(SettingKey::SHour, -1));
        QCOMPARE(store.ReadSetting(SettingKey::SHour, QString()), QStringLiteral("-1"));
    }

    void theProgramNameIsTakenAtEveryAccess()
    {
        TestHome home;
        QString program = QStringLiteral("/usr/bin/somnivo");
        const SettingsStore store([&program] { return program; });
        store.WriteSetting(SettingKey::ShutDown, QStringLiteral("2"));
        const QByteArray before = fileBytes(home.settingsFile(QStringLiteral("somnivo")));

        program = QStringLiteral("/usr/bin/sleepy.bin");
        QCOMPARE(store.ReadSetting(SettingKey::ShutDown, QStringLiteral("1")), QStringLiteral("1"));
        store.WriteSetting(SettingKey::ShutDown, QStringLiteral("0"));
        QVERIFY(QFile::exists(home.settingsFile(QStringLiteral("sleepy"))));
        QCOMPARE(fileBytes(home.settingsFile(QStringLiteral("somnivo"))), before);
    }

    void aWriteThatCannotReachTheDiskSaysSo()
    {
        TestHome home;
        // The configuration folder is a plain file, so nothing can be created below it.
        QFile blocker(home.path() + QStringLiteral("/blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
        const SettingsStore store([] { return QStringLiteral("somnivo"); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Could not store")));
        QVERIFY(!store.WriteSetting(SettingKey::Dimin, QStringLiteral("0")));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settings_store.moc"
