// GIF pictures of both versions.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureGif(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                   MidiChainMemo* memo) noexcept;
std::int64_t CheckGifItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace gif {
inline constexpr std::uint8_t kVersion87[] = {'G', 'I', 'F', '8', '7', 'a'};
inline constexpr std::uint8_t kVersion89[] = {'G', 'I', 'F', '8', '9', 'a'};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 5,
     .bytes = kVersion87,
     .rule = RuleCode::Gif,
     .kind = ResourceKind::GIF,
     .measure = &MeasureGif,
     .look = {.shift = 0, .anchors = {0, 3}}},
    {.row = 6,
     .bytes = kVersion89,
     .rule = RuleCode::Gif,
     .kind = ResourceKind::GIF,
     .measure = &MeasureGif,
     .look = {.shift = 0, .anchors = {0, 3}}},
};
}  // namespace gif

inline constexpr FormatDescriptor kGifFormat = {
    .kind = ResourceKind::GIF,
    .name = "GIF",
    .signatures = gif::kSignatures,
    .riff = {},
    .check = &CheckGifItem,
    .resources = {.leading = "GIF8"},
    .settingsKey = "SCAN_GIF",
    .toolbarImage = 9,
    .categoryImage = 9,
    .symbol = KindSymbol::Gif,
    .expandedAfterScan = true,
    .listShowsItself = false,
    .exportsAsPicture = false,
    .optionBox = 5,
    .ranks = {.folder = 8, .stored = 2, .node = 7, .optionBox = 4},
};

}  // namespace morvane
