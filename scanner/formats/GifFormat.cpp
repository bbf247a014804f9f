// The GIF descriptor's size rules and check, in the shapes the format table calls them by.
#include "GifFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasureGif(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                   MidiChainMemo*) noexcept {
    return RecogniseGif(a);
}

std::int64_t CheckGifItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckGif(item);
}

}  // namespace morvane
