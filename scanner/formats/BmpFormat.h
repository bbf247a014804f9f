// Bitmap files, found by their "BM".
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureBitmap(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                      MidiChainMemo* memo) noexcept;
std::int64_t CheckBmpItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace bmp {
inline constexpr std::uint8_t kSignature[] = {'B', 'M'};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 4,
     .bytes = kSignature,
     .rule = RuleCode::Bitmap,
     .kind = ResourceKind::BMP,
     .measure = &MeasureBitmap,
     .look = {.shift = 0, .anchors = {0, 1}}},
};
inline constexpr std::uint32_t kResourceTypes[] = {2};
}  // namespace bmp

inline constexpr FormatDescriptor kBmpFormat = {
    .kind = ResourceKind::BMP,
    .name = "BMP",
    .signatures = bmp::kSignatures,
    .riff = {},
    .check = &CheckBmpItem,
    .resources = {.ids = bmp::kResourceTypes, .leading = "BM", .leastSize = 15},
    .settingsKey = "SCAN_BMP",
    .toolbarImage = 7,
    .categoryImage = 7,
    .symbol = KindSymbol::Bitmap,
    .expandedAfterScan = true,
    .listShowsItself = true,
    .exportsAsPicture = false,
    .optionBox = 2,
    .ranks = {.folder = 5, .stored = 1, .node = 4, .optionBox = 1},
};

}  // namespace morvane
