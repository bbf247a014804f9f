// The structural check of JPEG files.
#include "ItemChecks.h"

namespace morvane {

namespace {
bool IsFrameMarker(std::uint32_t marker) noexcept {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Entropy-coded data from `at`: the offset of the marker that ends it, or 0.
std::int64_t SkipEntropyData(ItemView item, std::int64_t at) noexcept {
    for (; item.Has(at, 2); ++at) {
        if (item.data()[at] != 0xFF) continue;
        const std::uint8_t next = item.data()[at + 1];
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
            ++at;  // a stuffed byte or a restart marker belongs to the data
            continue;
        }
        if (next == 0xFF) continue;  // fill bytes before a marker
        return at;
    }
    return 0;
}
}  // namespace

std::int64_t CheckJpeg(ItemView item) noexcept {
    if (item.U16Big(0) != 0xFFD8u) return 0;
    std::int64_t at = 2;
    bool hasTables = false;  // quantisation tables: no picture decodes without them
    bool hasFrame = false;
    bool hasScan = false;
    while (true) {
        while (item.U8(at) == 0xFFu && item.U8(at + 1) == 0xFFu) ++at;  // fill bytes
        if (item.U8(at) != 0xFFu) return 0;
        const auto marker = item.U8(at + 1);
        if (!marker) return 0;
        if (*marker == 0xD9) return hasFrame && hasScan ? at + 2 : 0;
        if (*marker == 0xD8 || *marker == 0x00 || (*marker >= 0xD0 && *marker <= 0xD7)) return 0;
        const auto length = item.U16Big(at + 2);
        if (!length || *length < 2 || !item.Has(at + 2, *length)) return 0;
        hasFrame = hasFrame || IsFrameMarker(*marker);
        hasTables = hasTables || *marker == 0xDB;
        at += 2 + *length;
        if (*marker == 0xDA) {
            if (!hasFrame || !hasTables) return 0;
            hasScan = true;
            at = SkipEntropyData(item, at);
            if (at == 0) return 0;
        }
    }
}

}  // namespace morvane
