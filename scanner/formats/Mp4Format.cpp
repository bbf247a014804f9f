// ISO base media files (mp4, m4a, mov, 3gp): walks the top-level boxes by their 32- or 64-bit
// sizes while their types are top-level types, and wants a file type or movie box among them and
// media data or a movie box; the item ends with the last such box.
#include "Mp4Format.h"

#include <string_view>

namespace morvane {

namespace {
constexpr std::string_view kTopLevelTypes[] = {"ftyp", "moov", "mdat", "free", "skip", "wide",
                                               "uuid", "meta", "moof", "mfra", "styp", "sidx",
                                               "pdin", "junk", "pnot", "emsg", "prft", "ssix"};
constexpr std::string_view kLeadingTypes[] = {"ftyp", "moov", "mdat", "wide", "free", "skip"};

template <std::size_t N>
bool IsOneOf(const ItemView& item, std::int64_t at, const std::string_view (&types)[N]) noexcept {
    for (std::string_view type : types)
        if (item.Matches(at, type)) return true;
    return false;
}

// The box at `at`: its whole size, or 0 when it has none or runs past the view.
std::int64_t BoxSize(const ItemView& item, std::int64_t at) noexcept {
    const auto size = item.U32Big(at);
    if (!size || *size == 0) return 0;  // 0 runs "to the end", which gives no exact size
    std::int64_t bytes = *size;
    if (*size == 1) {
        const auto high = item.U32Big(at + 8);
        const auto low = item.U32Big(at + 12);
        if (!high || !low || *high > 0x7FFFFFFFu) return 0;
        bytes = std::int64_t{*high} << 32 | *low;
        if (bytes < 16) return 0;
    } else if (bytes < 8) {
        return 0;
    }
    return item.Has(at, bytes) ? bytes : 0;
}
}  // namespace

std::int64_t CheckMp4(const ItemView& item) noexcept {
    if (!IsOneOf(item, 4, kLeadingTypes)) return 0;
    std::int64_t at = 0;
    bool described = false, media = false;
    while (item.Has(at, 8) && IsOneOf(item, at + 4, kTopLevelTypes)) {
        const std::int64_t size = BoxSize(item, at);
        if (size == 0) return 0;  // a box of a top-level type that does not end in the view
        const bool movie = item.Matches(at + 4, "moov");
        described = described || movie || item.Matches(at + 4, "ftyp");
        media = media || movie || item.Matches(at + 4, "mdat");
        at += size;
    }
    return described && media ? at : 0;
}

}  // namespace morvane
