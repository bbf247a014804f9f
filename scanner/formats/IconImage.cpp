// The icon image check: a PNG, or a bitmap header whose colour bits and mask fit the bytes given.
#include "IconImage.h"

#include "ItemChecks.h"

namespace morvane {

namespace {
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
}  // namespace

IconHeader ReadIconHeader(const ItemView& item, std::int64_t base) noexcept {
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

std::int64_t IconBitmapBytes(const IconHeader& h, bool mask) noexcept {
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

std::int64_t CheckIconImage(const ItemView& item) noexcept {
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

}  // namespace morvane
