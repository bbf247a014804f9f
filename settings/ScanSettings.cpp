#include "ScanSettings.h"

namespace morvane {

ScanOptions ScanSettings::ToScanOptions() const noexcept {
    ScanOptions options;
    options.enabled = scanKind;
    options.chunkCap = ScanOptions::ChunkCapFor(limitSearch, limitSearchValue);
    options.readResources = readResources;
    options.checkItems = checkItems;
    options.distinctItems = distinctItems;
    options.threads = scanThreads;
    options.unpackContainers = unpackContainers;
    return options;
}

}  // namespace morvane
