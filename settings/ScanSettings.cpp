#include "ScanSettings.h"

namespace morvane {

ScanOptions ScanSettings::ToScanOptions() const noexcept {
    ScanOptions options;
    options.enabled = scanKind;
    options.chunkCap = ScanOptions::ChunkCapFor(limitSearch, limitSearchValue);
    return options;
}

}  // namespace morvane
