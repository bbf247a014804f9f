// Apple icon families: walks the elements after the 8-byte header, each by its big-endian length
// (header included), and wants them to end exactly at the family's stated total.
#include "IcnsFormat.h"

namespace morvane {

std::int64_t CheckIcns(const ItemView& item) noexcept {
    const auto total = item.U32Big(4);
    if (!item.Matches(0, "icns") || !total || *total < 8 || !item.Has(0, *total)) return 0;
    std::int64_t at = 8;
    while (at < *total) {
        const auto length = item.U32Big(at + 4);
        if (!length || *length < 8 || *length > *total - at) return 0;
        at += *length;
    }
    return at == *total ? at : 0;
}

}  // namespace morvane
