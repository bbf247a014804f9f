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
    {8, kRiffBytes, RuleCode::Riff, ResourceKind::WAV, &MeasureRiff, {0, {0, 3}}},
};

}  // namespace morvane
