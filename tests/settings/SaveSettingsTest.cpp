// Writing the options at exit, the QSettings store underneath, and what the scanner gets.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "QSettingsStore.h"
#include "SettingsFakes.h"
#include "SettingsPersistence.h"

using morvane::LoadSettings;
using morvane::QSettingsStore;
using morvane::ReadShowLog;
using morvane::ResourceKind;
using morvane::SaveSettings;
using morvane::ScanSettings;
using morvane::StoredText;
using morvane::test::MemoryStore;
using morvane::test::RecordingMessages;

namespace {

// Every value away from its default, each kind flag different from its neighbours.
ScanSettings Unusual(const QString& language) {
    ScanSettings s;
    s.lastFolder = QStringLiteral("D:\\Export, pictures\\Εικόνες");
    bool scan = false;
    for (const ResourceKind kind : morvane::kAllKinds) s.SetScans(kind, scan = !scan);
    s.deleteOnExit = s.scanSubFolders = s.makeFolderForEachFile = false;
    s.limitSearch = true;
    s.limitSearchValue = -5;
    s.language = language;
    return s;
}

}  // namespace

class SaveSettingsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;

  private slots:
    void writesEveryKeyInOrder() {
        MemoryStore store;
        QVERIFY(!SaveSettings(store, Unusual("Default"), true));
        const QStringList order = {
            "Show_Log",       "LastFolder",         "SCAN_ICO",         "SCAN_BMP",
            "SCAN_GIF",       "SCAN_JPG",           "SCAN_PNG",         "SCAN_WAV",
            "SCAN_AVI",       "SCAN_CUR",           "SCAN_MID",         "SCAN_ANI",
            "Delete_On_Exit", "Language",           "SCAN_SUB-FOLDERS", "make_folder_for_each_file",
            "limit_search",   "limit_search_value", "read_resources",   "check_items"};
        QCOMPARE(store.writeOrder, order);
        QCOMPARE(store.Read(u"Show_Log").text, QString("NAI"));
        QCOMPARE(store.Read(u"SCAN_ICO").text, QString("True"));
        QCOMPARE(store.Read(u"SCAN_CUR").text, QString("False"));
        QCOMPARE(store.Read(u"limit_search_value").text, QString("-5"));
        QCOMPARE(store.Read(u"Language").text, QString("Default"));
        store.flushError = QStringLiteral("disk full");
        QCOMPARE(SaveSettings(store, ScanSettings{}, false), std::optional<QString>("disk full"));
    }

    void roundTripThroughAFile() {
        const QString english = folder_.filePath("English.ini");
        QFile(english).open(QIODevice::WriteOnly);
        const QString path = folder_.filePath("roundtrip.conf");
        const ScanSettings saved = Unusual(english);
        QVERIFY(!SaveSettings(*QSettingsStore::OpenFile(path), saved, false));

        RecordingMessages messages;
        const auto reopened = QSettingsStore::OpenFile(path);
        const morvane::LoadedSettings loaded =
            LoadSettings(*reopened, messages, folder_.path() + '/');
        QCOMPARE(loaded.settings, saved);
        QVERIFY(loaded.replacedKeys.isEmpty());
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!ReadShowLog(*reopened));  // saved as "OXI"
    }

    void userStoreLocation() {
#ifdef Q_OS_WIN
        QSKIP("the native store is the registry, which a test must not touch");
#else
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        const auto store = QSettingsStore::OpenUserStore();
        QCOMPARE(store->Location(), folder_.filePath("Pellam/Morvane.conf"));
        store->Write(u"SCAN_ICO", "False");
        QVERIFY(!store->Flush());
        QSettings direct(folder_.filePath("Pellam/Morvane.conf"), QSettings::IniFormat);
        QCOMPARE(direct.value("Morvane/SCAN_ICO").toString(), QString("False"));
#endif
    }

    void handEditedListIsUnreadable() {
        const QString path = folder_.filePath("edited.conf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Morvane]\nSCAN_BMP=a, b\nSCAN_GIF=tRUE\nlimit_search_value=7\n");
        file.close();
        const auto store = QSettingsStore::OpenFile(path);
        QCOMPARE(store->Read(u"SCAN_BMP").state, StoredText::State::Unreadable);
        QCOMPARE(store->Read(u"SCAN_GIF").text, QString("tRUE"));
        QCOMPARE(store->Read(u"limit_search_value").text, QString("7"));
        QCOMPARE(store->Read(u"SCAN_ICO").state, StoredText::State::Absent);
    }

    void scanOptionsFromTheRecord() {
        ScanSettings s = Unusual("Default");
        morvane::ScanOptions options = s.ToScanOptions();
        for (ResourceKind kind : morvane::kAllKinds)
            QCOMPARE(options.IsEnabled(kind), s.Scans(kind));
        QCOMPARE(options.chunkCap, -5);
        s.limitSearch = false;
        QCOMPARE(s.ToScanOptions().chunkCap, 500);
    }
};

QTEST_GUILESS_MAIN(SaveSettingsTest)
#include "SaveSettingsTest.moc"
