// The structural checks of icons and cursors: icon files, their images, and bare icon images.
#include <algorithm>
#include <optional>

#include "ItemChecks.h"

namespace morvane {

namespace {
constexpr std::int64_t kDirectoryHeader = 6;
constexpr std::int64_t kDirectoryEntry = 16;
constexpr std::int64_t kBareIconSide = 32;

std::int64_t RowBytes(std::int64_t width, std::int64_t bits) noexcept {
    return (width * bits + 31) / 32 * 4;
}

// The colour table entries of a bitmap header: its colour count, else all 2^bits up to 8 bits.
std::int64_t PaletteEntries(std::uint32_t bits, std::uint32_t coloursUsed) noexcept {
    if (coloursUsed != 0) return coloursUsed;
    return bits <= 8 ? std::int64_t{1} << bits : 0;
}

bool IconBitCount(std::uint32_t bits) noexcept {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The fields of an icon image's bitmap header that decide its size.
struct IconHeader {
    std::optional<std::uint32_t> size, width, height, planes, bits, compression, coloursUsed;
};

// `base` is where the header's first byte lies in `item` (-1: just before it, known to be 40).
IconHeader ReadIconHeader(ItemView item, std::int64_t base) noexcept {
    IconHeader h;
    h.size = base < 0 ? std::optional<std::uint32_t>(40) : item.U32(base);
    h.width = item.U32(base + 4);
    h.height = item.U32(base + 8);
    h.planes = item.U16(base + 12);
    h.bits = item.U16(base + 14);
    h.compression = item.U32(base + 16);
    h.coloursUsed = item.U32(base + 32);
    return h;
}

// The bytes an icon image with this header needs: header, colour table, colour bits and (with
// `mask`) the 1-bit mask; the height counts both halves. 0 when the header is not sane.
std::int64_t IconBitmapBytes(const IconHeader& h, bool mask = true) noexcept {
    if (!h.size || !h.width || !h.height || !h.compression || !h.coloursUsed) return 0;
    if (*h.size != 40 && *h.size != 108 && *h.size != 124) return 0;
    if (*h.width == 0 || *h.width > 1024 || *h.height == 0 || *h.height > 2048) return 0;
    if (h.planes != 1u || !h.bits || !IconBitCount(*h.bits)) return 0;
    if ((*h.compression != 0 && *h.compression != 3) || *h.coloursUsed > 256) return 0;
    const std::int64_t rows = *h.height / 2 == 0 ? *h.height : *h.height / 2;
    const std::int64_t masks = *h.compression == 3 && *h.size == 40 ? 12 : 0;
    return *h.size + masks + 4 * PaletteEntries(*h.bits, *h.coloursUsed) +
           (RowBytes(*h.width, *h.bits) + (mask ? RowBytes(*h.width, 1) : 0)) * rows;
}
}  // namespace

std::int64_t CheckIconImage(ItemView item) noexcept {
    if (item.Matches(0, "\x89PNG\r\n\x1A\n")) {
        const std::int64_t png = CheckPng(item);
        return png;
    }
    const IconHeader header = ReadIconHeader(item, 0);
    const std::int64_t needed = IconBitmapBytes(header);
    if (needed > 0 && item.Has(0, needed)) return needed;
    // A 32-bit image has its alpha channel, and many writers leave its mask out; readers cope.
    const std::int64_t unmasked = header.bits == 32u ? IconBitmapBytes(header, false) : 0;
    return unmasked > 0 && item.Has(0, unmasked) ? unmasked : 0;
}

std::int64_t CheckIconFile(ItemView item, ResourceKind kind) noexcept {
    const std::uint32_t type = kind == ResourceKind::CUR ? 2 : 1;
    const auto count = item.U16(4);
    if (item.U16(0) != 0u || item.U16(2) != type || !count || *count == 0 || *count > 255) return 0;
    const std::int64_t directory = kDirectoryHeader + kDirectoryEntry * *count;
    std::int64_t end = directory;
    for (std::int64_t i = 0; i < *count; ++i) {
        const std::int64_t entry = kDirectoryHeader + kDirectoryEntry * i;
        const auto bytes = item.U32(entry + 8);
        const auto offset = item.U32(entry + 12);
        if (!bytes || !offset || *bytes == 0 || *offset < directory) return 0;
        if (!item.Has(*offset, *bytes)) return 0;
        const std::int64_t image = CheckIconImage(item.Sub(*offset, *bytes));
        if (image == 0) return 0;
        end = std::max<std::int64_t>(end, std::int64_t{*offset} + *bytes);
    }
    return end;
}

std::int64_t CheckBareIconImage(ItemView fromSignature) noexcept {
    const IconHeader h = ReadIconHeader(fromSignature, -1);
    if (h.width != std::uint32_t{kBareIconSide} || h.height != std::uint32_t{2 * kBareIconSide})
        return 0;
    if (h.bits == 16u || h.compression != 0u) return 0;  // 1, 4, 8, 24 and 32 bits, uncompressed
    const std::int64_t needed = IconBitmapBytes(h);
    return needed > 0 && fromSignature.Has(0, needed - 1) ? needed : 0;
}

}  // namespace morvane
