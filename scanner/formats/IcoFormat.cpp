// The ICO descriptor's size rules and check, in the shapes the format table calls them by.
#include "IcoFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasureIconDirectory(const SignatureRow&, const LookAhead& a, const ScanOptions& options,
                             MidiChainMemo*) noexcept {
    return RecogniseIconOrCursorFile(a, options, false);
}

// The header is only partly visible to the search, so the rule gives the size of the one image
// such a header can describe.
Verdict MeasureBareIconImage(const SignatureRow&, const LookAhead&, const ScanOptions&,
                             MidiChainMemo*) noexcept {
    return {kBareIconSize, ResourceKind::ICO};
}

std::int64_t CheckIcoItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckIconFile(item, ResourceKind::ICO);
}

}  // namespace morvane
