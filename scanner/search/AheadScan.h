// A source scanned ahead of its turn, on one of the pool's threads, once all its pages have been
// searched: its search's events are recorded and its items written under names of their own.
// In its turn the engine tells the events (a stop made meanwhile cuts them where the search would
// have stopped) and renames the items it keeps into place; the others are removed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ChunkFindings.h"
#include "FileSystem.h"
#include "ItemExtraction.h"
#include "ScanOptions.h"
#include "SearchPhase.h"
#include "SearchRecord.h"
#include "StopToken.h"

namespace morvane {

struct AheadScan {
    SearchRecord record;
    std::vector<AcceptedItem> accepted;
    std::unique_ptr<ItemExtraction> extraction;
    FoundContainers containers;
};

struct AheadSource {
    const std::string& path;
    const std::string& name;  // the stem of its items' names
    std::int64_t length;
    const ScanOptions& options;
    std::vector<std::vector<ChunkFindings>>& pages;  // every page, searched
    StopToken& cancel;                               // the source is no longer wanted
};

struct AheadOutput {
    FileSystem& fileSystem;
    const std::string& outputRoot;
    const std::string& suffix;  // of the names items are written under until their turn
};

// None when the kind folders cannot be made: the source is then scanned in its turn.
std::unique_ptr<AheadScan> ScanAhead(const AheadSource& source, const AheadOutput& output,
                                     SearchPhase& search);

}  // namespace morvane
