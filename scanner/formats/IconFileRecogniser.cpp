// Icon and cursor files of any number of images: the directory names every image's size and
// offset, and the file ends with the image that ends last. Each image it names must begin as one
// does (a bitmap header or a PNG signature): without that, any run of small numbers after
// "00 00 01 00" would pass as a directory of megabytes.
#include "Recognisers.h"

namespace morvane {

namespace {
constexpr std::int64_t kHeaderBytes = 6;
constexpr std::int64_t kEntryBytes = 16;
constexpr std::uint8_t kMostImages = 255;
constexpr std::int32_t kBitmapHeaderSize = 40;
constexpr std::int32_t kPngStart = 0x474E5089;  // "\x89PNG", read little-endian

bool BeginsAnImage(const LookAhead& a, std::int64_t offset) noexcept {
    const std::int32_t first = a.FieldInt32(offset);
    return first == kBitmapHeaderSize || first == kPngStart;
}
}  // namespace

Verdict RecogniseIconFile(const LookAhead& a) noexcept {
    const std::uint8_t type = a.FieldByte(2);
    if (a.FieldInt32(0) != (type << 16) || (type != 1 && type != 2)) return {};
    const std::int32_t count = a.FieldByte(4) | (a.FieldByte(5) << 8);
    if (count < 1 || count > kMostImages) return {};
    const std::int64_t directoryEnd = kHeaderBytes + count * kEntryBytes;
    if (directoryEnd > a.length()) return {};
    std::int64_t end = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int64_t entry = kHeaderBytes + i * kEntryBytes;
        const auto size = static_cast<std::uint32_t>(a.FieldInt32(entry + 8));
        const auto offset = static_cast<std::uint32_t>(a.FieldInt32(entry + 12));
        if (size == 0 || offset < directoryEnd) return {};
        const std::int64_t imageEnd = std::int64_t{offset} + size;
        if (imageEnd > a.length() || !BeginsAnImage(a, offset)) return {};
        end = imageEnd > end ? imageEnd : end;
    }
    return {end, type == 1 ? ResourceKind::ICO : ResourceKind::CUR};
}

Verdict RecogniseIconOrCursorFile(const LookAhead& a, const ScanOptions& options,
                                  bool cursor) noexcept {
    if (options.readResources) {
        if (const Verdict verdict = RecogniseIconFile(a); verdict.accepted()) return verdict;
        if (a.FieldByte(4) != 1 || a.FieldByte(5) != 0) return {};
    }
    return cursor ? RecogniseCursorDirectory(a) : RecogniseIconDirectory(a);
}

}  // namespace morvane
