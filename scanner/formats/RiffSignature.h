// The one signature of the RIFF kinds (wave sounds, AVI videos, animated cursors): they share it,
// and its rule tells them apart by the form type.
#pragma once

#include <cstdint>

#include "SignatureRow.h"

namespace morvane {

Verdict MeasureRiff(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo* memo) noexcept;

inline constexpr std::uint8_t kRiffBytes[] = {'R', 'I', 'F', 'F'};
inline constexpr SignatureRow kRiffSignature[] = {
    {.row = 8,
     .bytes = kRiffBytes,
     .rule = RuleCode::Riff,
     .kind = ResourceKind::WAV,
     .measure = &MeasureRiff,
     .look = {.shift = 0, .anchors = {0, 3}}},
};

}  // namespace morvane
