// Reading the options at start-up: first start, damaged values and the start language.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "SettingsFakes.h"
#include "SettingsPersistence.h"

using morvane::kAllKinds;
using morvane::LoadedSettings;
using morvane::LoadSettings;
using morvane::ReadShowLog;
using morvane::ResourceKind;
using morvane::test::MemoryStore;
using morvane::test::RecordingMessages;

class LoadSettingsTest : public QObject {
    Q_OBJECT

private:
    // A program folder ending in a separator, as the program's own folder does.
    QString AppFolder() const { return QDir(appFolder_.path()).absolutePath() + u'/'; }

    void PlaceEnglishFile(const QString& name = QStringLiteral("English.ini")) {
        QFile file(AppFolder() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    LoadedSettings Load(const MemoryStore& store) {
        return LoadSettings(store, messages_, AppFolder());
    }

    static void Row(const char* name, const QString& stored, const QString& expected,
                    const QString& message) {
        QTest::newRow(name) << stored << expected << message;
    }

    QTemporaryDir appFolder_;
    RecordingMessages messages_;

private slots:
    void init() {
        messages_.shown.clear();
        QDir(appFolder_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(appFolder_.path()));
    }

    void firstStartWithAnEmptyStore() {
        PlaceEnglishFile();
        MemoryStore store;
        const LoadedSettings loaded = Load(store);
        const morvane::ScanSettings& s = loaded.settings;
        QCOMPARE(s.lastFolder, QString("C:\\"));
        for (ResourceKind kind : kAllKinds) QVERIFY(s.Scans(kind));
        QVERIFY(s.deleteOnExit);
        QVERIFY(s.scanSubFolders);
        QVERIFY(s.makeFolderForEachFile);
        QVERIFY(!s.limitSearch);
        QCOMPARE(s.limitSearchValue, 100);
        QVERIFY(!s.readResources);
        QVERIFY(!s.checkItems);
        QCOMPARE(s.language, AppFolder() + "English.ini");
        QVERIFY(ReadShowLog(store));
        QVERIFY(messages_.shown.isEmpty());
        QVERIFY(loaded.replacedKeys.isEmpty());
    }

    void damagedValueTakesItsDefaultAndReadingGoesOn() {
        PlaceEnglishFile();
        MemoryStore store;
        store.Put("SCAN_ICO", "False");
        store.Put("SCAN_GIF", "yes");
        store.Put("SCAN_JPG", "false");
        store.values.insert("SCAN_PNG", morvane::StoredText::Unreadable());
        store.Put("limit_search", "1");
        store.Put("limit_search_value", "3000000000");
        store.Put("read_resources", "True");
        store.Put("check_items", "True");
        store.Put("Language", AppFolder() + "English.ini");
        const LoadedSettings loaded = Load(store);
        QVERIFY(!loaded.settings.Scans(ResourceKind::ICO));
        QVERIFY(loaded.settings.Scans(ResourceKind::GIF));
        QVERIFY(!loaded.settings.Scans(ResourceKind::JPG));  // read after the damaged key
        QVERIFY(loaded.settings.Scans(ResourceKind::PNG));
        QVERIFY(loaded.settings.limitSearch);
        QCOMPARE(loaded.settings.limitSearchValue, 100);
        QVERIFY(loaded.settings.readResources);
        QVERIFY(loaded.settings.checkItems);
        QCOMPARE(loaded.settings.language, AppFolder() + "English.ini");
        QCOMPARE(loaded.replacedKeys, QStringList({"SCAN_GIF", "SCAN_PNG", "limit_search_value"}));
        QVERIFY(messages_.shown.isEmpty());
    }

    void unusableTextsTakeTheirDefaults() {
        PlaceEnglishFile();
        MemoryStore store;
        store.values.insert("LastFolder", morvane::StoredText::Unreadable());
        store.values.insert("Language", morvane::StoredText::Unreadable());
        const LoadedSettings loaded = Load(store);
        QCOMPARE(loaded.settings.lastFolder, QString("C:\\"));
        QCOMPARE(loaded.settings.language, AppFolder() + "English.ini");
        QCOMPARE(loaded.replacedKeys, QStringList({"LastFolder", "Language"}));
    }

    void startLanguage_data() {
        QTest::addColumn<QString>("stored");  // "@" stands for the program folder
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");  // empty: no message

        const QString fallback = "does not exists. Set Language to ";
        Row("blanks only", "   ", "@English.ini", "");
        Row("the built-in word", "Default", "Default", "");
        Row("name in another letter case", "@ENGLISH.INI", "@ENGLISH.INI", "");
        Row("moved English file", "/old/English.ini", "@english.ini",
            "/old/English.ini\r" + fallback + "@english.ini");
        Row("blanks kept around a real value", " /x/english.INI ", "@english.ini",
            " /x/english.INI \r" + fallback + "@english.ini");
        Row("another missing language", "/x/Deutsch.ini", "Default",
            "/x/Deutsch.ini\r" + fallback + "Default");
        Row("lower-case default is a path", "default", "Default",
            "default\r" + fallback + "Default");
        Row("a folder is no file", "@", "Default", "@\r" + fallback + "Default");
    }

    void startLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        PlaceEnglishFile();
        MemoryStore store;
        store.Put("Language", QString(stored).replace("@", AppFolder()));
        QCOMPARE(Load(store).settings.language, expected.replace("@", AppFolder()));
        const QStringList shown =
            message.isEmpty() ? QStringList() : QStringList{message.replace("@", AppFolder())};
        QCOMPARE(messages_.shown, shown);
    }

    void missingEnglishFileAtFirstStart() {
        MemoryStore store;
        QCOMPARE(Load(store).settings.language, AppFolder() + "english.ini");
        QCOMPARE(messages_.shown,
                 QStringList{AppFolder() + "English.ini\rdoes not exists. Set Language to " +
                             AppFolder() + "english.ini"});
    }

    void showLog_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("yes") << "NAI" << true;
        QTest::newRow("no") << "OXI" << false;
        QTest::newRow("only the exact word counts") << "nai" << false;
        QTest::newRow("anything else") << "True" << false;
    }

    void showLog() {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        MemoryStore store;
        store.Put("Show_Log", stored);
        QCOMPARE(ReadShowLog(store), shown);
    }
};

QTEST_GUILESS_MAIN(LoadSettingsTest)
#include "LoadSettingsTest.moc"
