// One signature of a format: its bytes, where it stands in the search order, how a candidate is
// measured and where the vector prefilters look at it.
#pragma once

#include <cstdint>
#include <span>

#include "ResourceKind.h"
#include "RuleCode.h"

namespace morvane {

struct SignatureRow;
struct Verdict;
class LookAhead;
struct ScanOptions;
class MidiChainMemo;

using MeasureFn = Verdict (*)(const SignatureRow& row, const LookAhead& a,
                              const ScanOptions& options, MidiChainMemo* memo) noexcept;

// Where the vector prefilters look at a signature. The shuffle kernels match three bytes from
// `shift` on (bytes past the signature's end match anything); the 16-byte kernel compares the
// two bytes at `anchors`, which must not be zero so that runs of zeros pass nothing.
struct PrefilterLook {
    int shift;
    int anchors[2];
};

struct SignatureRow {
    int row;  // 1-based place in the search order (stable whatever is enabled)
    std::span<const std::uint8_t> bytes;
    RuleCode rule;
    ResourceKind kind;  // the kind a candidate has before its rule decides
    MeasureFn measure;
    PrefilterLook look;
};

}  // namespace morvane
