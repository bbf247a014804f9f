// The structural checks of the picture formats: PNG, GIF and BMP files.
#include <array>

#include "ItemChecks.h"

namespace morvane {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc32(const std::uint8_t* bytes, std::int64_t count) noexcept {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::int64_t i = 0; i < count; ++i) c = kCrcTable[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// One PNG chunk at `at`: its total size (length, type, data, CRC) when its CRC is right.
std::int64_t PngChunk(ItemView item, std::int64_t at) noexcept {
    const auto length = item.U32Big(at);
    if (!length || *length > 0x7FFFFFFFu) return 0;
    const std::int64_t total = 12 + static_cast<std::int64_t>(*length);
    const auto crc = item.U32Big(at + 8 + *length);
    if (!crc || Crc32(item.data() + at + 4, 4 + *length) != *crc) return 0;
    return total;
}

// GIF data sub-blocks from `at`; the offset after their terminator, or 0.
std::int64_t SkipSubBlocks(ItemView item, std::int64_t at) noexcept {
    while (true) {
        const auto count = item.U8(at);
        if (!count) return 0;
        at += 1 + *count;
        if (*count == 0) return at;
    }
}

std::int64_t ColourTableBytes(std::uint32_t packed) noexcept {
    return (packed & 0x80) ? 3 * (std::int64_t{2} << (packed & 7)) : 0;
}

}  // namespace

std::int64_t CheckPng(ItemView item) noexcept {
    for (std::int64_t i = 0; i < 8; ++i)
        if (item.U8(i) != kPngSignature[i]) return 0;
    if (item.U32Big(8) != 13u || !item.Matches(12, "IHDR")) return 0;
    if (item.U32Big(16).value_or(0) == 0 || item.U32Big(20).value_or(0) == 0) return 0;
    std::int64_t at = 8;
    for (bool first = true;; first = false) {
        const std::int64_t chunk = PngChunk(item, at);
        if (chunk == 0 || (first && !item.Matches(at + 4, "IHDR"))) return 0;
        if (item.Matches(at + 4, "IEND")) return at + chunk;
        at += chunk;
    }
}

std::int64_t CheckGif(ItemView item) noexcept {
    if (!item.Matches(0, "GIF87a") && !item.Matches(0, "GIF89a")) return 0;
    if (item.U16(6).value_or(0) == 0 || item.U16(8).value_or(0) == 0) return 0;
    const auto screen = item.U8(10);
    if (!screen) return 0;
    std::int64_t at = 13 + ColourTableBytes(*screen);
    bool hasImage = false;
    while (true) {
        const auto block = item.U8(at);
        if (!block) return 0;
        if (*block == 0x3B) return hasImage ? at + 1 : 0;
        if (*block == 0x21) {
            if (!item.Has(at, 2)) return 0;
            at = SkipSubBlocks(item, at + 2);
        } else if (*block == 0x2C) {
            const auto packed = item.U8(at + 9);
            if (!packed || item.U16(at + 5).value_or(0) == 0 || item.U16(at + 7).value_or(0) == 0)
                return 0;
            at += 10 + ColourTableBytes(*packed);
            const auto codeSize = item.U8(at);
            if (!codeSize || *codeSize < 2 || *codeSize > 11) return 0;
            at = SkipSubBlocks(item, at + 1);
            hasImage = true;
        } else {
            return 0;
        }
        if (at == 0) return 0;
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
