// The second half of a scan: the source is opened afresh and every accepted item is written to
// its kind folder and told to the sink, in the order the search found them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "ItemWriter.h"
#include "ScanSink.h"

namespace morvane {

struct ExtractionSource {
    const std::string& path;  // the source, with its folder
    const std::string& name;  // its file name, the stem of every output name
    std::int64_t length;      // its length when the search read it
    // Items then tell whether a resource table or a signature found them.
    bool resourceMode = false;
    // Checked items: each file ends where its structure does, without the line break after it.
    bool checkedItems = false;
    // An entry of a container: it is read from here rather than opened again by its path, its
    // items are numbered on from `firstNumber`, and they name the entry.
    SourceFile* open = nullptr;
    std::int64_t firstNumber = 0;
    std::span<const std::string> inside = {};
};

// Returns how many items were told: every accepted item, whether or not its file could be made.
std::int64_t ExtractAcceptedItems(const std::vector<AcceptedItem>& accepted,
                                  const ExtractionSource& source, const std::string& outputRoot,
                                  FileSystem& fileSystem, ScanSink& sink);

}  // namespace morvane
