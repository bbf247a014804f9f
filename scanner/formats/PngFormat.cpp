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
