// The stored forms of flags and numbers, reading the options at start-up (first start, damaged
// values, the start language), writing them at exit, and the QSettings store underneath.
#include <QFile>
#include <QSettings>
#include <QTest>

#include "ProgramFolder.h"
#include "QSettingsStore.h"
#include "SettingsFakes.h"
#include "SettingsPersistence.h"
#include "StoredForms.h"

using namespace morvane;
using morvane::test::MemoryStore;

Q_DECLARE_METATYPE(std::optional<bool>)
Q_DECLARE_METATYPE(std::optional<std::int32_t>)

namespace {
// Every value away from its default, each kind flag different from its neighbours.
ScanSettings Unusual(const QString& language) {
    ScanSettings s;
    s.lastFolder = QStringLiteral("D:\\Export, pictures\\Εικόνες");
    bool scan = false;
    for (const ResourceKind kind : kAllKinds) s.SetScans(kind, scan = !scan);
    s.deleteOnExit = s.scanSubFolders = s.makeFolderForEachFile = false;
    s.limitSearch = true;
    s.limitSearchValue = -5;
    s.language = language;
    return s;
}
}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private:
    // Loads `store` from a program folder that holds English.ini.
    ScanSettings Load(const MemoryStore& store) {
        app_.Write("English.ini");
        return LoadSettings(store, messages_, app_.Path());
    }

    test::ProgramFolder app_;
    test::RecordingMessages messages_;

  private slots:
    void init() { messages_.shown.clear(); }

    void storedForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<bool>>("flag");
        QTest::addColumn<std::optional<std::int32_t>>("number");
        using B = std::optional<bool>;
        using I = std::optional<std::int32_t>;
        const std::tuple<const char*, B, I> rows[] = {{"True", true, I()},
                                                      {"TRUE", true, I()},
                                                      {" True ", true, I()},
                                                      {"1", true, 1},
                                                      {"-1", true, -1},
                                                      {"0.5", true, 0},
                                                      {"false", false, I()},
                                                      {"fAlSe", false, I()},
                                                      {"0", false, 0},
                                                      {"0.0", false, 0},
                                                      {"yes", B(), I()},
                                                      {"", B(), I()},
                                                      {"Tru", B(), I()},
                                                      {"NAI", B(), I()},
                                                      {"inf", B(), I()},
                                                      {"nan", B(), I()},
                                                      {"100", true, 100},
                                                      {"  42 ", true, 42},
                                                      {"1e2", true, 100},
                                                      {"12.5", true, 12},
                                                      {"13.5", true, 14},  // halves go even
                                                      {"-2.5", true, -2},
                                                      {"-3.5", true, -4},
                                                      {"12.51", true, 13},
                                                      {"2147483647", true, 2147483647},
                                                      {"-2147483648", true, -2147483647 - 1},
                                                      {"2147483648", true, I()},
                                                      {"2147483647.5", true, I()},
                                                      {"-2147483649", true, I()},
                                                      {"99999999999999999999", true, I()},
                                                      {"abc", B(), I()},
                                                      {"1,000", B(), I()}};
        for (const auto& [text, flag, number] : rows)
            QTest::newRow(*text ? text : "empty") << text << flag << number;
    }
    void storedForms() {
        QFETCH(QString, text);
        QFETCH(std::optional<bool>, flag);
        QFETCH(std::optional<std::int32_t>, number);
        QCOMPARE(ParseStoredBoolean(text), flag);
        QCOMPARE(ParseStoredInteger(text), number);
        QCOMPARE(StoredBoolean(true) + StoredBoolean(false), QString("TrueFalse"));
        QCOMPARE(StoredInteger(-1234567), QString("-1234567"));  // no digit grouping
    }

    void firstStartWithAnEmptyStore() {
        MemoryStore store;
        const ScanSettings s = Load(store);
        QCOMPARE(s.lastFolder, QString("C:\\"));
        for (ResourceKind kind : kAllKinds) QVERIFY(s.Scans(kind));
        QVERIFY(s.deleteOnExit && s.scanSubFolders && s.makeFolderForEachFile);
        QVERIFY(!s.limitSearch && !s.readResources && !s.checkItems);
        QCOMPARE(s.limitSearchValue, 100);
        QCOMPARE(s.language, app_.Path() + "English.ini");
        QVERIFY(ReadShowLog(store));
        QVERIFY(messages_.shown.isEmpty());
        for (const char* stored : {"NAI", "OXI", "nai", "True"}) {
            store.Put("Show_Log", stored);
            QCOMPARE(ReadShowLog(store), QByteArray(stored) == "NAI");
        }
    }

    void damagedValuesTakeTheirDefaultsAndReadingGoesOn() {
        MemoryStore store;
        for (const auto& [key, value] : {std::pair{"SCAN_ICO", "False"},
                                         {"SCAN_GIF", "yes"},
                                         {"SCAN_JPG", "false"},
                                         {"limit_search", "1"},
                                         {"limit_search_value", "3000000000"},
                                         {"read_resources", "True"},
                                         {"check_items", "True"}})
            store.Put(key, value);
        for (const char* key : {"SCAN_PNG", "LastFolder", "Language"})
            store.values.insert(key, StoredText::Unreadable());
        const ScanSettings s = Load(store);
        QVERIFY(!s.Scans(ResourceKind::ICO) && s.Scans(ResourceKind::GIF));
        QVERIFY(!s.Scans(ResourceKind::JPG) && s.Scans(ResourceKind::PNG));
        QVERIFY(s.limitSearch && s.readResources && s.checkItems);
        QCOMPARE(s.limitSearchValue, 100);
        QCOMPARE(s.lastFolder, QString("C:\\"));
        QCOMPARE(s.language, app_.Path() + "English.ini");
        QVERIFY(messages_.shown.isEmpty());
    }

    void startLanguage_data() {
        QTest::addColumn<QString>("stored");  // "@" stands for the program folder
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");  // empty: no message
        const QString fallback = "\rdoes not exists. Set Language to ";
        const auto row = [](const char* name, const QString& stored, const QString& expected,
                            const QString& message) {
            QTest::newRow(name) << stored << expected << message;
        };
        row("blanks only", "   ", "@English.ini", "");
        row("the built-in word", "Default", "Default", "");
        row("name in another letter case", "@ENGLISH.INI", "@ENGLISH.INI", "");
        row("moved English file", "/old/English.ini", "@english.ini",
            "/old/English.ini" + fallback + "@english.ini");
        row("blanks kept around a real value", " /x/english.INI ", "@english.ini",
            " /x/english.INI " + fallback + "@english.ini");
        row("another missing language", "/x/Deutsch.ini", "Default",
            "/x/Deutsch.ini" + fallback + "Default");
        row("lower-case default is a path", "default", "Default", "default" + fallback + "Default");
        row("a folder is no file", "@", "Default", "@" + fallback + "Default");
        row("no English file at first start", "", "@english.ini",
            "@English.ini" + fallback + "@english.ini");
    }
    void startLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        const test::ProgramFolder bare;
        MemoryStore store;
        if (!stored.isEmpty()) store.Put("Language", stored.replace("@", app_.Path()));
        const QString app = stored.isEmpty() ? bare.Path() : app_.Path();
        const ScanSettings loaded =
            stored.isEmpty() ? LoadSettings(store, messages_, app) : Load(store);
        QCOMPARE(loaded.language, expected.replace("@", app));
        QCOMPARE(messages_.shown,
                 message.isEmpty() ? QStringList() : QStringList{message.replace("@", app)});
    }

    void writesEveryKeyInOrderAndTheFlushError() {
        MemoryStore store;
        QVERIFY(!SaveSettings(store, Unusual("Default"), true));
        QCOMPARE(store.writeOrder, QStringList({"Show_Log",         "LastFolder",
                                                "SCAN_ICO",         "SCAN_BMP",
                                                "SCAN_GIF",         "SCAN_JPG",
                                                "SCAN_PNG",         "SCAN_WAV",
                                                "SCAN_AVI",         "SCAN_CUR",
                                                "SCAN_MID",         "SCAN_ANI",
                                                "Delete_On_Exit",   "Language",
                                                "SCAN_SUB-FOLDERS", "make_folder_for_each_file",
                                                "limit_search",     "limit_search_value",
                                                "read_resources",   "check_items"}));
        QStringList texts;
        for (const char* key :
             {"Show_Log", "SCAN_ICO", "SCAN_CUR", "limit_search_value", "Language"})
            texts << store.Read(QString::fromLatin1(key)).text;
        QCOMPARE(texts, QStringList({"NAI", "True", "False", "-5", "Default"}));
        store.flushError = QStringLiteral("disk full");
        QCOMPARE(SaveSettings(store, ScanSettings{}, false), std::optional<QString>("disk full"));
    }

    void roundTripThroughAFileAndWhatTheScannerGets() {
        const QString path = app_.Write("English.ini").replace("English.ini", "roundtrip.conf");
        const ScanSettings saved = Unusual(app_.Path() + "English.ini");
        QVERIFY(!SaveSettings(*QSettingsStore::OpenFile(path), saved, false));
        const auto reopened = QSettingsStore::OpenFile(path);
        QCOMPARE(LoadSettings(*reopened, messages_, app_.Path()), saved);
        QVERIFY(messages_.shown.isEmpty());
        QVERIFY(!ReadShowLog(*reopened));  // saved as "OXI"
        ScanSettings s = saved;
        const ScanOptions options = s.ToScanOptions();
        for (ResourceKind kind : kAllKinds) QCOMPARE(options.IsEnabled(kind), s.Scans(kind));
        QCOMPARE(options.chunkCap, -5);
        s.limitSearch = false;
        QCOMPARE(s.ToScanOptions().chunkCap, 500);
    }

    void userStoreAndAHandEditedList() {
#ifndef Q_OS_WIN  // the native store there is the registry, which a test must not touch
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, app_.Path());
        const auto user = QSettingsStore::OpenUserStore();
        QCOMPARE(user->Location(), app_.Path() + "Pellam/Morvane.conf");
        user->Write(u"SCAN_ICO", "False");
        QVERIFY(!user->Flush());
        QSettings direct(app_.Path() + "Pellam/Morvane.conf", QSettings::IniFormat);
        QCOMPARE(direct.value("Morvane/SCAN_ICO").toString(), QString("False"));
#endif
        const auto store = QSettingsStore::OpenFile(app_.Write(
            "edited.conf", "[Morvane]\nSCAN_BMP=a, b\nSCAN_GIF=tRUE\nlimit_search_value=7\n"));
        QCOMPARE(store->Read(u"SCAN_BMP").state, StoredText::State::Unreadable);
        QCOMPARE(store->Read(u"SCAN_GIF").text, QString("tRUE"));
        QCOMPARE(store->Read(u"limit_search_value").text, QString("7"));
        QCOMPARE(store->Read(u"SCAN_ICO").state, StoredText::State::Absent);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
