// Small PE32 and PE32+ images holding chosen resources, and resource bodies to put in them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MediaSamples.h"

namespace morvane::test {

inline constexpr std::uint32_t kRtCursor = 1, kRtBitmap = 2, kRtIcon = 3, kRtGroupCursor = 12,
                               kRtGroupIcon = 14, kRtAniCursor = 21;

struct PeResource {
    std::uint32_t type = 0;
    std::string typeName;  // a named type when not empty
    std::uint32_t id = 1;
    std::uint32_t language = 0x409;
    Bytes data;
    std::string name = {};  // a named resource when not empty (NE images only)
};

struct PeLayout {
    bool pe32Plus = false;
    bool loop = false;          // one more root entry points back at the root
    std::uint32_t padding = 0;  // bytes between the headers and the section's raw data
    bool shareData = false;     // every leaf names the first resource's data
};

Bytes MakePe(const std::vector<PeResource>& resources, const PeLayout& layout = {});

// Information header, colour table (or BI_BITFIELDS masks) and pixels; as an icon image, with a
// doubled height and an AND mask.
Bytes MakeDib(int width, int height, int bits, bool bitfields = false, bool icon = false);

struct GroupEntry {
    int size, bits;  // size: width and height
    std::uint32_t id, bytes;
};
// A cursor group gives the height of colour and mask together, or with `wine` of the colour alone.
Bytes MakeGroupDirectory(bool cursor, const std::vector<GroupEntry>& entries, bool wine = false);

}  // namespace morvane::test
