// One-image icon and cursor files: the directory entry gives the image's byte count.
#include "Recognisers.h"

namespace morvane {

namespace {
constexpr std::int64_t kDirectorySize = 22;      // file header and its one directory entry
constexpr std::uint8_t kInfoHeaderStart = 0x28;  // a 40-byte bitmap header follows the entry

Verdict SizeFromDirectory(const LookAhead& a, ResourceKind kind) noexcept {
    const std::int32_t imageBytes = a.FieldInt32(14);
    if (imageBytes > kLargestIconImage) return {};
    return {imageBytes + kDirectorySize, kind};
}
}  // namespace

Verdict RecogniseCursorDirectory(const LookAhead& a) noexcept {
    // Offset 30 holds the low byte of the doubled height (64) of a 32x32 cursor image.
    if (a.FieldByte(22) != kInfoHeaderStart || a.FieldByte(30) != 0x40) return {};
    return SizeFromDirectory(a, ResourceKind::CUR);
}

Verdict RecogniseIconDirectory(const LookAhead& a) noexcept {
    if (a.FieldByte(22) != kInfoHeaderStart) return {};
    return SizeFromDirectory(a, ResourceKind::ICO);
}

}  // namespace morvane
