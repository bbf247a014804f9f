// Enhanced metafiles: checks EMR_HEADER, walks the records by their sizes up to EMR_EOF and wants
// the header's byte count to be exactly where EOF ends.
#include "EmfFormat.h"

namespace morvane {

namespace {
constexpr std::uint32_t kHeader = 1, kEndOfFile = 14;
constexpr std::uint32_t kSmallestHeader = 88, kSmallestRecord = 8;
}  // namespace

std::int64_t CheckEmf(const ItemView& item) noexcept {
    const auto headerSize = item.U32(4);
    const auto bytes = item.U32(48);
    const auto records = item.U32(52);
    if (item.U32(0) != kHeader || !headerSize || *headerSize < kSmallestHeader) return 0;
    if (!item.Matches(40, " EMF") || !bytes || !records || *records < 2) return 0;
    if (!item.Has(0, *bytes)) return 0;
    std::int64_t at = 0;
    for (std::uint32_t n = 0; n < *records; ++n) {
        const auto type = item.U32(at);
        const auto size = item.U32(at + 4);
        if (!type || !size || *size < kSmallestRecord || *size % 4 != 0 || !item.Has(at, *size))
            return 0;
        if ((n == 0) != (*type == kHeader)) return 0;
        at += *size;
        if (*type == kEndOfFile) return at == *bytes ? at : 0;
    }
    return 0;
}

}  // namespace morvane
