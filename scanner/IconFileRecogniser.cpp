// Icon and cursor files of any number of images: the directory names every image's size and
// offset, and the file ends with the image that ends last.
#include "Recognisers.h"

namespace morvane {

namespace {
constexpr std::int64_t kHeaderBytes = 6;
constexpr std::int64_t kEntryBytes = 16;
constexpr std::uint8_t kMostImages = 255;
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
        if (imageEnd > a.length()) return {};
        end = imageEnd > end ? imageEnd : end;
    }
    return {end, type == 1 ? ResourceKind::ICO : ResourceKind::CUR};
}

}  // namespace morvane
