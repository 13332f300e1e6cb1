#include "app/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

using namespace Qt::StringLiterals;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> home;
    QString program = u"/opt/bin/somnivo"_s;
    const SettingsStore store{[this] { return program; }};

    QByteArray fileOf(const QString& name) const
    {
        QFile file(home->filePath(u"%1/%1.ini"_s.arg(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() { qputenv("XDG_CONFIG_HOME", home.emplace().path().toLocal8Bit()); }

    void eachProgramFileNameHasItsFileWrittenThroughAtOnce()
    {
        QCOMPARE(store.ReadSetting(SettingKey::SetTime, u"5"_s), u"5"_s);
        QVERIFY2(!QFile::exists(store.filePath()), "reading must not create anything");
        QVERIFY(store.WriteSetting(SettingKey::BlackScreen, u"0"_s));
        QCOMPARE(fileOf(u"somnivo"_s), "[Config]\nBlackScreen=0\n");
        // Rewriting the same text leaves the file alone.
        const QDateTime written = QFileInfo(store.filePath()).lastModified();
        QThread::msleep(15);
        QVERIFY(store.WriteSetting(SettingKey::BlackScreen, u"0"_s));
        QCOMPARE(QFileInfo(store.filePath()).lastModified(), written);
        // A renamed program file has settings of its own.
        program = u"/usr/bin/sleepy.bin"_s;
        QCOMPARE(store.ReadSetting(SettingKey::BlackScreen, u"1"_s), u"1"_s);
        store.WriteSetting(SettingKey::BlackScreen, QString());
        QCOMPARE(store.ReadSetting(SettingKey::BlackScreen, u"1"_s), QString());
        QCOMPARE(fileOf(u"sleepy"_s), "[Config]\nBlackScreen=\n");
    }

    void textsComeBackExactlyAsStoredAndNumbersByTheNumberRule()
    {
        for (const QString& text :
             {u"/home/me/My Music/play list.m3u"_s, u"a,b,c"_s, u"@Variant(x)"_s,
              u"say \"hi\" \\ now"_s, u"x=1;y=2"_s, u"  5  "_s, u"/home/jürgen/Träume ☾.mp3"_s}) {
            QVERIFY(store.WriteSetting(SettingKey::RunFile, text));
            QCOMPARE(store.ReadSetting(SettingKey::RunFile, QString()), text);
        }
        store.WriteSetting(SettingKey::PosX, u"99999999999abc"_s); // the leading number, saturated
        QCOMPARE(store.ReadNumber(SettingKey::PosX, u"0"_s), 2147483647);
        // An unquoted text with commas, as a hand-edited file has it, reads as one text.
        QFile file(store.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Config]\nRunFile=/tmp/a, b\n");
        file.close();
        QCOMPARE(store.ReadSetting(SettingKey::RunFile, QString()), u"/tmp/a,b"_s);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settings_store.moc"
