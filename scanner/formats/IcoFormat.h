// Icon files: a directory of images, or a lone 32x32 icon image found by its bare header.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureIconDirectory(const SignatureRow& row, const LookAhead& a,
                             const ScanOptions& options, MidiChainMemo* memo) noexcept;
Verdict MeasureBareIconImage(const SignatureRow& row, const LookAhead& a,
                             const ScanOptions& options, MidiChainMemo* memo) noexcept;
std::int64_t CheckIcoItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace ico {
inline constexpr std::uint8_t kDirectory[] = {0x00, 0x00, 0x01, 0x00, 0x01, 0x00};
inline constexpr std::uint8_t kBareImage[] = {0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x40};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 2,
     .bytes = kDirectory,
     .rule = RuleCode::IconDirectory,
     .kind = ResourceKind::ICO,
     .measure = &MeasureIconDirectory,
     .look = {.shift = 2, .anchors = {2, 4}}},
    {.row = 3,
     .bytes = kBareImage,
     .rule = RuleCode::BareIconImage,
     .kind = ResourceKind::ICO,
     .measure = &MeasureBareIconImage,
     .look = {.shift = 3, .anchors = {3, 7}}},
};
inline constexpr std::uint32_t kResourceTypes[] = {14};
}  // namespace ico

inline constexpr FormatDescriptor kIcoFormat = {
    .kind = ResourceKind::ICO,
    .name = "ICO",
    .signatures = ico::kSignatures,
    .riff = {},
    .check = &CheckIcoItem,
    .resources = {.ids = ico::kResourceTypes, .leading = std::string_view("\0\0\1\0", 4)},
    .settingsKey = "SCAN_ICO",
    .toolbarImage = 11,
    .categoryImage = 11,
    .symbol = KindSymbol::Icon,
    .expandedAfterScan = true,
    .listShowsItself = true,
    .exportsAsPicture = true,
    .optionBox = 1,
    .ranks = {.folder = 4, .stored = 0, .node = 3, .optionBox = 0},
};

}  // namespace morvane
