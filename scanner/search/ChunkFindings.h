// What searching one chunk finds before the rest of the source is known: every candidate its rule
// accepts, and every program image its marks lead to, each read as though nothing before it had
// been written. Finding them needs only the source's bytes, so chunks are searched on any thread;
// SearchPhase then takes them in file order and drops what one pass over the whole source would
// have dropped (candidates inside resources or inside checked items, images already read).
#pragma once

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <vector>

#include "ItemWriter.h"
#include "ResourceKind.h"
#include "WholeResources.h"
#include "containers/ContainerCandidate.h"

namespace morvane {

struct CandidateFinding {
    std::int64_t offset;       // 0-based, from the source's start
    std::int64_t size;         // the rule's
    std::int64_t checkedSize;  // the structural check's, in a checked scan; 0 fails it
    ResourceKind kind;
    std::uint8_t row;  // of the signature table
    bool bareIcon;
};

// One program image, read whole: what it tells and what it yields.
struct ImageFinding {
    std::int64_t at;      // its "MZ", or its "NE" when it has no stub
    bool bareNe = false;  // such an "NE" is passed over where an "MZ" led to it already
    // Not read, to bound what a chunk holds: read when it is taken. Its headers end at
    // `headersEnd`.
    bool deferred = false;
    std::int64_t headersEnd = 0;
    std::int64_t neHeader = -1;                        // the 16-bit header its "MZ" led to
    std::vector<std::error_code> failuresBefore = {};  // told before its resource bytes are read
    std::int64_t bytesToRead = -1;                     // its resource bytes; -1: none are read
    std::vector<std::error_code> failuresAfter = {};
    std::vector<AcceptedItem> items = {};
    std::vector<ByteRange> covers = {};  // from the source's start

    std::int64_t BuiltBytes() const noexcept {
        std::int64_t total = 0;
        for (const AcceptedItem& item : items) total += item.size;
        return total;
    }
    // What reading it cost: the resource bytes read and the items made of them.
    std::int64_t Cost() const noexcept {
        return std::max<std::int64_t>(bytesToRead, 0) + BuiltBytes();
    }
};

struct ChunkFindings {
    std::int64_t begin = 0;
    std::int64_t size = 0;
    std::error_code readError;  // the chunk could not be read: the search ends before it
    std::vector<CandidateFinding> candidates = {};    // in offset order
    std::vector<ImageFinding> images = {};            // in the order they are read
    std::vector<ContainerCandidate> containers = {};  // as FindPieceCandidates gives them
};

}  // namespace morvane
