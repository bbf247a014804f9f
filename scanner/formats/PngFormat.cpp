// The PNG descriptor's size rules and check, in the shapes the format table calls them by.
#include "PngFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasurePng(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                   MidiChainMemo*) noexcept {
    return RecognisePng(a);
}

std::int64_t CheckPngItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckPng(item);
}

}  // namespace morvane
