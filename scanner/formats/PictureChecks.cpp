// The structural checks of JPEG and BMP files.
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

namespace {
bool KnownBitmapHeader(std::uint32_t size) noexcept {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}
bool KnownBitCount(std::uint32_t bits) noexcept {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}
}  // namespace

std::int64_t CheckBitmapFile(ItemView item) noexcept {
    if (!item.Matches(0, "BM")) return 0;
    const auto fileSize = item.U32(2);
    const auto pixelOffset = item.U32(10);
    const auto headerSize = item.U32(14);
    if (!fileSize || !pixelOffset || !headerSize || !KnownBitmapHeader(*headerSize)) return 0;
    const bool core = *headerSize == 12;
    const std::int64_t width = core ? item.U16(18).value_or(0) : item.U32(18).value_or(0);
    const std::int64_t rawHeight = core ? item.U16(20).value_or(0) : item.U32(22).value_or(0);
    const auto planes = item.U16(core ? 22 : 26);
    const auto bits = item.U16(core ? 24 : 28);
    const std::uint32_t compression = core ? 0 : item.U32(30).value_or(99);
    if (planes != 1u || !bits || !KnownBitCount(*bits)) return 0;
    if (!(compression <= 3 || compression == 6)) return 0;
    // Widths are signed 32-bit; heights may be negative (a top-down picture).
    const std::int64_t height = core ? rawHeight : static_cast<std::int32_t>(rawHeight);
    if (width <= 0 || width > 0x7FFFFFFF || height == 0) return 0;
    const std::int64_t rows = height < 0 ? -height : height;
    if (*pixelOffset < 14 + *headerSize) return 0;
    if (compression == 1 || compression == 2) {  // run-length: only the file size tells
        if (*fileSize <= *pixelOffset || !item.Has(0, *fileSize)) return 0;
        return *fileSize;
    }
    const std::int64_t rowBytes = (width * *bits + 31) / 32 * 4;
    if (rows > (std::int64_t{1} << 40) / rowBytes) return 0;
    const std::int64_t needed = *pixelOffset + rowBytes * rows;
    if (*fileSize >= needed && item.Has(0, *fileSize)) return *fileSize;
    return item.Has(0, needed) ? needed : 0;
}

}  // namespace morvane
