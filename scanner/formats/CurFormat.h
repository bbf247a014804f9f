// Cursor files: a directory of images with hotspots.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureCursorDirectory(const SignatureRow& row, const LookAhead& a,
                               const ScanOptions& options, MidiChainMemo* memo) noexcept;
std::int64_t CheckCurItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace cur {
inline constexpr std::uint8_t kDirectory[] = {0x00, 0x00, 0x02, 0x00, 0x01, 0x00};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 1,
     .bytes = kDirectory,
     .rule = RuleCode::CursorDirectory,
     .kind = ResourceKind::CUR,
     .measure = &MeasureCursorDirectory,
     .look = {.shift = 2, .anchors = {2, 4}}},
};
inline constexpr std::uint32_t kResourceTypes[] = {12};
}  // namespace cur

inline constexpr FormatDescriptor kCurFormat = {
    .kind = ResourceKind::CUR,
    .name = "CUR",
    .signatures = cur::kSignatures,
    .riff = {},
    .check = &CheckCurItem,
    .resources = {.ids = cur::kResourceTypes, .leading = std::string_view("\0\0\2\0", 4)},
    .settingsKey = "SCAN_CUR",
    .toolbarImage = 8,
    .categoryImage = 8,
    .symbol = KindSymbol::Cursor,
    .expandedAfterScan = true,
    .listShowsItself = false,
    .exportsAsPicture = true,
    .optionBox = 4,
    .ranks = {.folder = 3, .stored = 7, .node = 1, .optionBox = 3},
};

}  // namespace morvane
