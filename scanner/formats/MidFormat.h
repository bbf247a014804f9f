// Standard MIDI files: a header chunk and its chain of tracks.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureMidi(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo* memo) noexcept;
std::int64_t CheckMidItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace mid {
inline constexpr std::uint8_t kSignature[] = {'M', 'T', 'h', 'd', 0x00};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 10,
     .bytes = kSignature,
     .rule = RuleCode::Midi,
     .kind = ResourceKind::MID,
     .measure = &MeasureMidi,
     .look = {.shift = 0, .anchors = {0, 2}}},
};
}  // namespace mid

inline constexpr FormatDescriptor kMidFormat = {
    .kind = ResourceKind::MID,
    .name = "MID",
    .signatures = mid::kSignatures,
    .riff = {},
    .check = &CheckMidItem,
    .resources = {.leading = "MThd"},
    .settingsKey = "SCAN_MID",
    .toolbarImage = 21,
    .categoryImage = 21,
    .symbol = KindSymbol::Midi,
    .expandedAfterScan = false,
    .listShowsItself = false,
    .exportsAsPicture = false,
    .optionBox = 9,
    .ranks = {.folder = 1, .stored = 8, .node = 8, .optionBox = 8},
};

}  // namespace morvane
