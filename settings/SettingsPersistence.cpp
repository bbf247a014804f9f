#include "SettingsPersistence.h"

#include "SettingsKeys.h"
#include "StoredForms.h"

namespace morvane {

namespace {

constexpr QStringView kDefaultLastFolder = u"C:\\";
constexpr std::int32_t kDefaultLimitSearchValue = 100;
constexpr QStringView kShowLogYes = u"NAI";
constexpr QStringView kShowLogNo = u"OXI";

// Reads one key at a time; a value that is stored but unusable takes the default, so that one
// damaged entry costs only itself and not the options after it.
class SettingsReader {
  public:
    explicit SettingsReader(const SettingsStore& store) : store_(store) {}

    QString Text(QStringView key, QStringView fallback) const {
        const StoredText stored = store_.Read(key);
        return stored.state == StoredText::State::Text ? stored.text : fallback.toString();
    }

    bool Boolean(QStringView key, bool fallback) const {
        return Converted(key, fallback,
                         [](const QString& text) { return ParseStoredBoolean(text); });
    }

    std::int32_t Integer(QStringView key, std::int32_t fallback) const {
        return Converted(key, fallback,
                         [](const QString& text) { return ParseStoredInteger(text); });
    }

  private:
    template <typename T, typename Parse>
    T Converted(QStringView key, T fallback, Parse parse) const {
        const StoredText stored = store_.Read(key);
        if (stored.state != StoredText::State::Text) return fallback;
        return parse(stored.text).value_or(fallback);
    }

    const SettingsStore& store_;
};

}  // namespace

ScanSettings LoadSettings(const SettingsStore& store) {
    const SettingsReader read(store);
    ScanSettings settings;
    settings.lastFolder = read.Text(kKeyLastFolder, kDefaultLastFolder);
    for (const ResourceKind kind : kStoredKindOrder)
        settings.SetScans(kind, read.Boolean(ScanKindKey(kind), true));
    settings.deleteOnExit = read.Boolean(kKeyDeleteOnExit, true);
    settings.scanSubFolders = read.Boolean(kKeyScanSubFolders, true);
    settings.makeFolderForEachFile = read.Boolean(kKeyMakeFolderForEachFile, true);
    settings.limitSearch = read.Boolean(kKeyLimitSearch, false);
    settings.limitSearchValue = read.Integer(kKeyLimitSearchValue, kDefaultLimitSearchValue);
    settings.readResources = read.Boolean(kKeyReadResources, false);
    settings.checkItems = read.Boolean(kKeyCheckItems, false);
    settings.distinctItems = read.Boolean(kKeyDistinctItems, false);
    // A count no scan can take is unusable, like any damaged value.
    const std::int32_t threads = read.Integer(kKeyScanThreads, 0);
    settings.scanThreads = threads >= 0 && threads <= kMostThreads ? threads : 0;
    settings.unpackContainers = read.Boolean(kKeyUnpackContainers, false);

    settings.language = read.Text(kKeyLanguage, {});
    return settings;
}

bool ReadShowLog(const SettingsStore& store) {
    const StoredText stored = store.Read(kKeyShowLog);
    if (stored.state == StoredText::State::Text) return stored.text == kShowLogYes;
    return true;  // absent, or unusable and so taken as its default "NAI"
}

std::optional<QString> SaveSettings(SettingsStore& store, const ScanSettings& settings,
                                    bool logWindowShown) {
    store.Write(kKeyShowLog, (logWindowShown ? kShowLogYes : kShowLogNo).toString());
    store.Write(kKeyLastFolder, settings.lastFolder);
    for (const ResourceKind kind : kStoredKindOrder) {
        store.Write(ScanKindKey(kind), StoredBoolean(settings.Scans(kind)));
    }
    store.Write(kKeyDeleteOnExit, StoredBoolean(settings.deleteOnExit));
    store.Write(kKeyLanguage, settings.language);
    store.Write(kKeyScanSubFolders, StoredBoolean(settings.scanSubFolders));
    store.Write(kKeyMakeFolderForEachFile, StoredBoolean(settings.makeFolderForEachFile));
    store.Write(kKeyLimitSearch, StoredBoolean(settings.limitSearch));
    store.Write(kKeyLimitSearchValue, StoredInteger(settings.limitSearchValue));
    store.Write(kKeyReadResources, StoredBoolean(settings.readResources));
    store.Write(kKeyCheckItems, StoredBoolean(settings.checkItems));
    store.Write(kKeyDistinctItems, StoredBoolean(settings.distinctItems));
    store.Write(kKeyScanThreads, StoredInteger(settings.scanThreads));
    store.Write(kKeyUnpackContainers, StoredBoolean(settings.unpackContainers));
    return store.Flush();
}

}  // namespace morvane
