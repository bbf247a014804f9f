// The search phase done the slow, obvious way: per chunk, per table row, every occurrence found
// by a plain forward search, every rule applied to its own copy of the look-ahead. The engine must
// produce exactly this list.
#pragma once

#include <cstdint>
#include <vector>

#include "MediaSamples.h"
#include "ResourceKind.h"
#include "ScanOptions.h"

namespace morvane::test {

struct ReferenceItem {
    std::int64_t position;  // 1-based
    std::int64_t size;
    ResourceKind kind;
    bool operator==(const ReferenceItem&) const = default;
};

std::vector<ReferenceItem> ReferenceScan(const Bytes& file, const ScanOptions& options);

}  // namespace morvane::test
