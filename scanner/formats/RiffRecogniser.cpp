// RIFF containers: wave sounds, AVI videos and animated cursors, told apart by the form type.
#include "Recognisers.h"
#include "formats/FormatOrders.h"

namespace morvane {

namespace {
bool ContainsMark(const LookAhead& a, std::int64_t end, std::string_view mark) noexcept {
    return a.Contains(0, end, {reinterpret_cast<const std::uint8_t*>(mark.data()), mark.size()});
}
}  // namespace

Verdict RecogniseRiff(const LookAhead& a, const ScanOptions& options) noexcept {
    // The tag, the size field and the form type; the first form found decides.
    constexpr std::int64_t kHead = 12;
    const ResourceKind* found = nullptr;
    for (const ResourceKind& kind : kRiffKinds)
        if (ContainsMark(a, kHead, FormatOf(kind).riff.mark)) {
            found = &kind;
            break;
        }
    if (found == nullptr || !options.IsEnabled(*found)) return {};
    const std::int64_t declared = a.FieldInt32(4);
    // Room after the item's first byte: L - p.
    if (declared > a.bytesToEnd() - 1) return {};
    return {declared + 8, *found};
}

}  // namespace morvane
