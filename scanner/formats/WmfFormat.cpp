// Windows metafiles: the optional placeable header (its XOR checksum checked), the metafile
// header, then the records walked by their sizes in 16-bit words to the end record; the walk's end
// must agree with the size the header gives.
#include "WmfFormat.h"

namespace morvane {

namespace {
constexpr std::int64_t kPlaceableHeader = 22;
constexpr std::uint32_t kRecordHeaderWords = 3;
constexpr std::uint32_t kEndRecordFunction = 0;

bool PlaceableChecksumHolds(const ItemView& item) noexcept {
    std::uint32_t sum = 0;
    for (std::int64_t at = 0; at < 20; at += 2) sum ^= item.U16(at).value_or(0);
    return item.U16(20) == sum;
}

// The records from `at` to the end record: the offset after it, or 0.
std::int64_t WalkRecords(const ItemView& item, std::int64_t at) noexcept {
    while (true) {
        const auto words = item.U32(at);
        const auto function = item.U16(at + 4);
        if (!words || !function || *words < kRecordHeaderWords) return 0;
        const std::int64_t bytes = 2 * std::int64_t{*words};
        if (!item.Has(at, bytes)) return 0;
        at += bytes;
        if (*function == kEndRecordFunction) return *words == kRecordHeaderWords ? at : 0;
    }
}
}  // namespace

std::int64_t CheckWmf(const ItemView& item) noexcept {
    std::int64_t start = 0;
    if (item.U32(0) == 0x9AC6CDD7u) {
        if (item.U16(4) != 0u || !PlaceableChecksumHolds(item)) return 0;
        start = kPlaceableHeader;
    }
    const auto type = item.U16(start);
    const auto version = item.U16(start + 4);
    const auto words = item.U32(start + 6);
    if (!type || (*type != 1 && *type != 2) || item.U16(start + 2) != 9u) return 0;
    if (!version || (*version != 0x0100 && *version != 0x0300) || !words) return 0;
    const std::int64_t end = WalkRecords(item, start + 18);
    if (end == 0 || end - start != 2 * std::int64_t{*words}) return 0;
    return end;
}

}  // namespace morvane
