// Every option that survives a restart, held in memory from start-up to exit. The dialogs
// change this record; only the main window's exit writes it to the store.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "ResourceKind.h"
#include "ScanOptions.h"

namespace morvane {

struct ScanSettings {
    QString lastFolder;  // the export dialog's folder
    std::array<bool, kKindCount>
        scanKind{};  // indexed by KindIndex(): which kinds a scan looks for
    bool deleteOnExit = false;
    bool scanSubFolders = false;
    bool makeFolderForEachFile = false;  // only stored and shown; nothing acts on it
    bool limitSearch = false;
    std::int32_t limitSearchValue = 0;  // MiB, used when limitSearch is on
    bool readResources = false;         // whole items from program resource tables
    bool checkItems = false;            // only items whose structure is whole
    bool distinctItems = false;         // each distinct item once in a run
    std::int32_t scanThreads = 0;       // threads that search; 0: one per processor
    bool unpackContainers = false;      // the files inside archives, installers, compound files
    QString language;                   // "Default" or the full path of a language file

    // A default-made record is the state before loading: flags off, 0, empty texts.

    bool Scans(ResourceKind kind) const noexcept { return scanKind[KindIndex(kind)]; }
    void SetScans(ResourceKind kind, bool on) noexcept { scanKind[KindIndex(kind)] = on; }

    // What the scan engine takes from the record: the enabled kinds and the size cap.
    ScanOptions ToScanOptions() const noexcept;

    friend bool operator==(const ScanSettings&, const ScanSettings&) = default;
};

}  // namespace morvane
