// PNG pictures, measured to their IEND chunk.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasurePng(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                   MidiChainMemo* memo) noexcept;
std::int64_t CheckPngItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace png {
inline constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 9,
     .bytes = kSignature,
     .rule = RuleCode::Png,
     .kind = ResourceKind::PNG,
     .measure = &MeasurePng,
     .look = {.shift = 0, .anchors = {0, 1}}},
};
}  // namespace png

inline constexpr FormatDescriptor kPngFormat = {
    .kind = ResourceKind::PNG,
    .name = "PNG",
    .signatures = png::kSignatures,
    .riff = {},
    .check = &CheckPngItem,
    .resources = {.leading = "\x89PNG\r\n\x1a\n"},
    .settingsKey = "SCAN_PNG",
    .toolbarImage = 15,
    .categoryImage = 15,
    .symbol = KindSymbol::Png,
    .expandedAfterScan = true,
    .listShowsItself = false,
    .exportsAsPicture = false,
    .optionBox = 6,
    .ranks = {.folder = 2, .stored = 4, .node = 6, .optionBox = 5},
};

}  // namespace morvane
