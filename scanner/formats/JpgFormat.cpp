// The JPG descriptor's size rules and check, in the shapes the format table calls them by.
#include "JpgFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasureJpeg(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                    MidiChainMemo*) noexcept {
    return RecogniseJpeg(a);
}

std::int64_t CheckJpgItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckJpeg(item);
}

}  // namespace morvane
