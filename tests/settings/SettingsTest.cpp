// The stored forms of flags and numbers, reading the options at start-up (first start, damaged
// values, the start language), writing them at exit, and the QSettings store underneath.
#include <QSettings>
#include <QTest>

#include "ProgramFolder.h"
#include "QSettingsStore.h"
#include "SettingsFakes.h"
#include "SettingsPersistence.h"
#include "StoredForms.h"

using namespace morvane;
using morvane::test::MemoryStore;

namespace {
// What a first start reads: every option at its documented default.
ScanSettings Defaults(const QString& language) {
    ScanSettings s;
    s.lastFolder = QStringLiteral("C:\\");
    s.scanKind.fill(true);
    s.deleteOnExit = s.scanSubFolders = s.makeFolderForEachFile = true;
    s.limitSearchValue = 100;
    s.language = language;
    return s;
}

// Every value away from its default, each kind flag different from its neighbours.
ScanSettings Unusual(const QString& language) {
    ScanSettings s;
    s.lastFolder = QStringLiteral("D:\\Export, pictures\\Εικόνες");
    bool scan = false;
    for (const ResourceKind kind : kAllKinds) s.SetScans(kind, scan = !scan);
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

    void storedForms() {
        const std::pair<std::optional<bool>, std::vector<const char*>> flags[] = {
            {true, {"TRUE", " True ", "-1", "0.5", "1e2", "2147483648"}},
            {false, {"fAlSe", "0", "0.0"}},
            {std::nullopt, {"yes", "", "Tru", "NAI", "inf", "nan", "abc", "1,000"}}};
        for (const auto& [flag, texts] : flags)
            for (const char* text : texts)
                QVERIFY2(ParseStoredBoolean(QString(text)) == flag, text);
        // Halves go to the even neighbour.
        const std::pair<const char*, std::int32_t> numbers[] = {
            {"-1", -1},   {"0.5", 0},   {"0.0", 0},   {"  42 ", 42}, {"1e2", 100},
            {"12.5", 12}, {"13.5", 14}, {"-2.5", -2}, {"-3.5", -4},  {"12.51", 13}};
        QVERIFY(ParseStoredInteger(QStringLiteral("2147483647")) == INT32_MAX);
        QVERIFY(ParseStoredInteger(QStringLiteral("-2147483648")) == INT32_MIN);
        for (const auto& [text, number] : numbers)
            QVERIFY2(ParseStoredInteger(QString(text)) == number, text);
        for (const char* text : {"2147483648", "2147483647.5", "-2147483649",
                                 "99999999999999999999", "TRUE", "", "inf", "nan", "abc", "1,000"})
            QVERIFY2(!ParseStoredInteger(QString(text)), text);
        QCOMPARE(StoredBoolean(true) + StoredBoolean(false), QString("TrueFalse"));
        QCOMPARE(StoredInteger(-1234567), QString("-1234567"));  // no digit grouping
    }

    // An empty store gives the defaults; a damaged value takes its own and reading goes on.
    void firstStartAndDamagedValues() {
        MemoryStore store;
        QCOMPARE(Load(store), Defaults(app_.Path() + "English.ini"));
        QVERIFY(ReadShowLog(store));
        for (const char* stored : {"NAI", "OXI", "nai", "True"}) {
            store.Put("Show_Log", stored);
            QCOMPARE(ReadShowLog(store), QByteArray(stored) == "NAI");
        }
        for (const auto& [key, value] : {std::pair{"SCAN_ICO", "False"},
                                         {"SCAN_GIF", "yes"},
                                         {"SCAN_JPG", "false"},
                                         {"limit_search", "1"},
                                         {"limit_search_value", "3000000000"},
                                         {"read_resources", "True"},
                                         {"check_items", "True"}})
            store.Put(key, value);
        for (const char* key : {"SCAN_PNG", "LastFolder", "Language", "Show_Log"})
            store.values.insert(key, StoredText::Unreadable());
        ScanSettings expected = Defaults(app_.Path() + "English.ini");
        expected.SetScans(ResourceKind::ICO, false);
        expected.SetScans(ResourceKind::JPG, false);
        expected.limitSearch = expected.readResources = expected.checkItems = true;
        QCOMPARE(Load(store), expected);
        QVERIFY(ReadShowLog(store));
        QVERIFY(messages_.shown.isEmpty());
    }

    void startLanguage() {
        const QString fallback = "\rdoes not exists. Set Language to ";
        // "@" stands for the program folder; an empty message: none is shown.
        const std::tuple<QString, QString, QString> rows[] = {
            {"   ", "@English.ini", ""},
            {"Default", "Default", ""},
            {"@ENGLISH.INI", "@ENGLISH.INI", ""},
            {"/old/English.ini", "@english.ini", "/old/English.ini" + fallback + "@english.ini"},
            {" /x/english.INI ", "@english.ini", " /x/english.INI " + fallback + "@english.ini"},
            {"/x/Deutsch.ini", "Default", "/x/Deutsch.ini" + fallback + "Default"},
            {"default", "Default", "default" + fallback + "Default"},  // a path, not the word
            {"@", "Default", "@" + fallback + "Default"},              // a folder is no file
            {"", "@english.ini", "@English.ini" + fallback + "@english.ini"}};  // no English file
        for (auto [stored, expected, message] : rows) {
            const test::ProgramFolder bare;
            MemoryStore store;
            messages_.shown.clear();
            if (!stored.isEmpty()) store.Put("Language", stored.replace("@", app_.Path()));
            const QString app = stored.isEmpty() ? bare.Path() : app_.Path();
            const ScanSettings loaded =
                stored.isEmpty() ? LoadSettings(store, messages_, app) : Load(store);
            QCOMPARE(loaded.language, expected.replace("@", app));
            QCOMPARE(messages_.shown,
                     message.isEmpty() ? QStringList() : QStringList{message.replace("@", app)});
        }
    }

    void writesEveryKeyInOrderAndTheFlushError() {
        MemoryStore store;
        QVERIFY(!SaveSettings(store, Unusual("Default"), true));
        QCOMPARE(store.writeOrder.join(u' '),
                 "Show_Log LastFolder SCAN_ICO SCAN_BMP SCAN_GIF SCAN_JPG SCAN_PNG SCAN_WAV "
                 "SCAN_AVI SCAN_CUR SCAN_MID SCAN_ANI Delete_On_Exit Language SCAN_SUB-FOLDERS "
                 "make_folder_for_each_file limit_search limit_search_value read_resources "
                 "check_items");
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
        ScanSettings s = Unusual(app_.Path() + "English.ini");
        QVERIFY(!SaveSettings(*QSettingsStore::OpenFile(path), s, false));
        const auto reopened = QSettingsStore::OpenFile(path);
        QCOMPARE(LoadSettings(*reopened, messages_, app_.Path()), s);
        QVERIFY(messages_.shown.isEmpty());
        QVERIFY(!ReadShowLog(*reopened));  // saved as "OXI"
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
