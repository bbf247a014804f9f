// The MID descriptor's size rules and check, in the shapes the format table calls them by.
#include "MidFormat.h"

#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict MeasureMidi(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                    MidiChainMemo* memo) noexcept {
    return RecogniseMidi(a, memo);
}

std::int64_t CheckMidItem(ItemView item, ResourceKind, std::int64_t) noexcept {
    return CheckMidi(item);
}

}  // namespace morvane
