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
    // What a checked scan looks for instead, when the format's structure begins with less than
    // the size rule wants (empty: `bytes`). It is the start of `bytes`, so that one prefilter,
    // which looks at these bytes, serves both scans.
    std::span<const std::uint8_t> checkedBytes = {};

    // The bytes that every scan's candidates of this row begin with.
    constexpr std::span<const std::uint8_t> CommonBytes() const noexcept {
        return checkedBytes.empty() ? bytes : checkedBytes;
    }
    constexpr std::span<const std::uint8_t> SearchedBytes(bool checked) const noexcept {
        return checked ? CommonBytes() : bytes;
    }
};

}  // namespace morvane
