// Small 16-bit (NE) images holding chosen resources, as Windows 3.x programs and .icl icon
// libraries are.
#pragma once

#include <vector>

#include "PeWriter.h"

namespace morvane::test {

struct NeLayout {
    unsigned shift = 4;  // resource data aligned to 1 << shift, lengths rounded up to it
    bool stub = true;    // an "MZ" header in front; without it the image starts with "NE"
};

// Where the resource table starts, from the "NE": after the 64-byte header.
inline constexpr std::size_t kNeResourceTable = 0x40;

// The header, the resource table (type records in the order of `resources`' types, then the
// names), an empty resident-name table, then each resource's data, padded to the alignment.
Bytes MakeNe(const std::vector<PeResource>& resources, const NeLayout& layout = {});

}  // namespace morvane::test
