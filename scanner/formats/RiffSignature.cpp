// The RIFF signature's size rule in the shape the format table calls it by.
#include "RiffSignature.h"

#include "Recognisers.h"

namespace morvane {

Verdict MeasureRiff(const SignatureRow&, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo*) noexcept {
    return RecogniseRiff(a, options);
}

}  // namespace morvane
