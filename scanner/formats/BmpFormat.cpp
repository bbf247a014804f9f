// Bitmap files: the size rule (the file size the "BM" header gives, with the 40-byte information
// header near the start) and the check, which wants a known header and enough pixel rows.
#include "BmpFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

namespace {
bool KnownBitmapHeader(std::uint32_t size) noexcept {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}
bool KnownBitCount(std::uint32_t bits) noexcept {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}
}  // namespace

Verdict RecogniseBitmap(const LookAhead& a) noexcept {
    if (!a.Contains(0, 18, markers::kBitmapHeaderMark)) return {};
    const std::int64_t fileSize = a.FieldInt32(2);
    if (fileSize > a.length()) return {};
    return {fileSize, ResourceKind::BMP};
}

std::int64_t CheckBitmapFile(const ItemView& item) noexcept {
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

Verdict MeasureBitmap(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                      MidiChainMemo*) noexcept {
    return RecogniseBitmap(a);
}

std::int64_t CheckBmpItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckBitmapFile(item);
}

}  // namespace morvane
