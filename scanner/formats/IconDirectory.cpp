// Icon and cursor files of any number of images, measured and checked by their directory: it
// names every image's size and offset, and the file ends with the image that ends last. For the
// size rule each image it names must begin as one does (a bitmap header or a PNG signature):
// without that, any run of small numbers after "00 00 01 00" would pass as a directory of
// megabytes. The check also walks each image.
#include "IconDirectory.h"

#include <algorithm>

#include "ItemChecks.h"

namespace morvane {

namespace {
constexpr std::int64_t kHeaderBytes = 6;
constexpr std::int64_t kEntryBytes = 16;
constexpr std::int64_t kOneImageDirectory = 22;  // file header and its one directory entry
constexpr std::uint8_t kMostImages = 255;
constexpr std::int32_t kBitmapHeaderSize = 40;
constexpr std::int32_t kPngStart = 0x474E5089;  // "\x89PNG", read little-endian

bool BeginsAnImage(const LookAhead& a, std::int64_t offset) noexcept {
    const std::int32_t first = a.FieldInt32(offset);
    return first == kBitmapHeaderSize || first == kPngStart;
}
}  // namespace

Verdict OneImageFileSize(const LookAhead& a, ResourceKind kind) noexcept {
    const std::int32_t imageBytes = a.FieldInt32(14);
    if (imageBytes > kLargestIconImage) return {};
    return {imageBytes + kOneImageDirectory, kind};
}

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

std::int64_t CheckIconFile(const ItemView& item, ResourceKind kind) noexcept {
    const std::uint32_t type = kind == ResourceKind::CUR ? 2 : 1;
    const auto count = item.U16(4);
    if (item.U16(0) != 0u || item.U16(2) != type || !count || *count == 0 || *count > 255) return 0;
    const std::int64_t directory = kHeaderBytes + kEntryBytes * *count;
    std::int64_t end = directory;
    for (std::int64_t i = 0; i < *count; ++i) {
        const std::int64_t entry = kHeaderBytes + kEntryBytes * i;
        const auto bytes = item.U32(entry + 8);
        const auto offset = item.U32(entry + 12);
        if (!bytes || !offset || *bytes == 0 || *offset < directory) return 0;
        // The image's header first: only a sound one makes its bytes worth reading on for.
        const std::int64_t image = CheckIconImage(item.Sub(*offset, *bytes));
        if (image == 0 || !item.Has(*offset, *bytes)) return 0;
        end = std::max<std::int64_t>(end, std::int64_t{*offset} + *bytes);
    }
    return end;
}

}  // namespace morvane
