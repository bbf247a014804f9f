// The BMP descriptor's size rules and check, in the shapes the format table calls them by.
#include "BmpFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasureBitmap(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                      MidiChainMemo*) noexcept {
    return RecogniseBitmap(a);
}

std::int64_t CheckBmpItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckBitmapFile(item);
}

}  // namespace morvane
