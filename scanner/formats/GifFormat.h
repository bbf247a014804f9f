// GIF pictures of both versions.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureGif(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                   MidiChainMemo* memo) noexcept;
std::int64_t CheckGifItem(ItemView item, ResourceKind kind, std::int64_t bytesToEnd) noexcept;

namespace gif {
inline constexpr std::uint8_t kVersion87[] = {'G', 'I', 'F', '8', '7', 'a'};
inline constexpr std::uint8_t kVersion89[] = {'G', 'I', 'F', '8', '9', 'a'};
inline constexpr SignatureRow kSignatures[] = {
    {5, kVersion87, RuleCode::Gif, ResourceKind::GIF, &MeasureGif, {0, {0, 3}}},
    {6, kVersion89, RuleCode::Gif, ResourceKind::GIF, &MeasureGif, {0, {0, 3}}},
};
}  // namespace gif

inline constexpr FormatDescriptor kGifFormat = {
    .kind = ResourceKind::GIF,
    .name = "GIF",
    .signatures = gif::kSignatures,
    .riff = {},
    .check = &CheckGifItem,
    .resources = {{}, "", "GIF8", 0},
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
