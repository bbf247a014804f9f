// Reading the options at start-up: first start, damaged values and the start language.
#include <QTest>

#include "ProgramFolder.h"
#include "SettingsFakes.h"
#include "SettingsPersistence.h"

using morvane::LoadedSettings;
using morvane::ResourceKind;
using morvane::StoredText;
using morvane::test::MemoryStore;

class LoadSettingsTest : public QObject {
    Q_OBJECT

  private:
    // Loads `store` from a program folder that holds English.ini unless told otherwise.
    LoadedSettings Load(const MemoryStore& store, bool english = true) {
        if (english) app_.Write("English.ini");
        return morvane::LoadSettings(store, messages_, app_.Path());
    }

    morvane::test::ProgramFolder app_;
    morvane::test::RecordingMessages messages_;

  private slots:
    void init() { messages_.shown.clear(); }

    void firstStartWithAnEmptyStore() {
        MemoryStore store;
        const LoadedSettings loaded = Load(store);
        const morvane::ScanSettings& s = loaded.settings;
        QCOMPARE(s.lastFolder, QString("C:\\"));
        for (ResourceKind kind : morvane::kAllKinds) QVERIFY(s.Scans(kind));
        QVERIFY(s.deleteOnExit && s.scanSubFolders && s.makeFolderForEachFile);
        QVERIFY(!s.limitSearch && !s.readResources && !s.checkItems);
        QCOMPARE(s.limitSearchValue, 100);
        QCOMPARE(s.language, app_.Path() + "English.ini");
        QVERIFY(morvane::ReadShowLog(store));
        QVERIFY(messages_.shown.isEmpty());
        QVERIFY(loaded.replacedKeys.isEmpty());
    }

    void damagedValuesTakeTheirDefaultsAndReadingGoesOn() {
        MemoryStore store;
        store.Put("SCAN_ICO", "False");
        store.Put("SCAN_GIF", "yes");
        store.Put("SCAN_JPG", "false");
        store.values.insert("SCAN_PNG", StoredText::Unreadable());
        store.Put("limit_search", "1");
        store.Put("limit_search_value", "3000000000");
        store.Put("read_resources", "True");
        store.Put("check_items", "True");
        store.values.insert("LastFolder", StoredText::Unreadable());
        store.values.insert("Language", StoredText::Unreadable());
        const LoadedSettings loaded = Load(store);
        QVERIFY(!loaded.settings.Scans(ResourceKind::ICO));
        QVERIFY(loaded.settings.Scans(ResourceKind::GIF));
        QVERIFY(!loaded.settings.Scans(ResourceKind::JPG));  // read after the damaged key
        QVERIFY(loaded.settings.Scans(ResourceKind::PNG));
        QVERIFY(loaded.settings.limitSearch);
        QCOMPARE(loaded.settings.limitSearchValue, 100);
        QVERIFY(loaded.settings.readResources);
        QVERIFY(loaded.settings.checkItems);
        QCOMPARE(loaded.settings.lastFolder, QString("C:\\"));
        QCOMPARE(loaded.settings.language, app_.Path() + "English.ini");
        QCOMPARE(loaded.replacedKeys, QStringList({"LastFolder", "SCAN_GIF", "SCAN_PNG",
                                                   "limit_search_value", "Language"}));
        QVERIFY(messages_.shown.isEmpty());
    }

    void startLanguage_data() {
        QTest::addColumn<QString>("stored");  // "@" stands for the program folder
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");  // empty: no message
        const QString fallback = "does not exists. Set Language to ";
        const auto row = [](const char* name, const QString& stored, const QString& expected,
                            const QString& message) {
            QTest::newRow(name) << stored << expected << message;
        };
        row("blanks only", "   ", "@English.ini", "");
        row("the built-in word", "Default", "Default", "");
        row("name in another letter case", "@ENGLISH.INI", "@ENGLISH.INI", "");
        row("moved English file", "/old/English.ini", "@english.ini",
            "/old/English.ini\r" + fallback + "@english.ini");
        row("blanks kept around a real value", " /x/english.INI ", "@english.ini",
            " /x/english.INI \r" + fallback + "@english.ini");
        row("another missing language", "/x/Deutsch.ini", "Default",
            "/x/Deutsch.ini\r" + fallback + "Default");
        row("lower-case default is a path", "default", "Default",
            "default\r" + fallback + "Default");
        row("a folder is no file", "@", "Default", "@\r" + fallback + "Default");
    }
    void startLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        MemoryStore store;
        store.Put("Language", stored.replace("@", app_.Path()));
        QCOMPARE(Load(store).settings.language, expected.replace("@", app_.Path()));
        QCOMPARE(messages_.shown, message.isEmpty()
                                      ? QStringList()
                                      : QStringList{message.replace("@", app_.Path())});
    }

    void missingEnglishFileAtFirstStart() {
        const morvane::test::ProgramFolder bare;
        MemoryStore store;
        QCOMPARE(morvane::LoadSettings(store, messages_, bare.Path()).settings.language,
                 bare.Path() + "english.ini");
        QCOMPARE(messages_.shown,
                 QStringList{bare.Path() + "English.ini\rdoes not exists. Set Language to " +
                             bare.Path() + "english.ini"});
    }

    void showLogTakesOnlyTheExactWord() {
        for (const char* stored : {"NAI", "OXI", "nai", "True"}) {
            MemoryStore store;
            store.Put("Show_Log", stored);
            QCOMPARE(morvane::ReadShowLog(store), QByteArray(stored) == "NAI");
        }
    }
};

QTEST_GUILESS_MAIN(LoadSettingsTest)
#include "LoadSettingsTest.moc"
