// The CUR descriptor's size rules and check, in the shapes the format table calls them by.
#include "CurFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasureCursorDirectory(const SignatureRow&, const LookAhead& a, const ScanOptions& options,
                               MidiChainMemo*) noexcept {
    return RecogniseIconOrCursorFile(a, options, true);
}

std::int64_t CheckCurItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckIconFile(item, ResourceKind::CUR);
}

}  // namespace morvane
