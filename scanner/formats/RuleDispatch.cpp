// Every signature row carries its own size rule.
#include "Recognisers.h"

namespace morvane {

Verdict ApplyRule(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                  MidiChainMemo* memo) noexcept {
    return row.measure(row, a, options, memo);
}

}  // namespace morvane
