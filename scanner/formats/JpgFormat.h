// JPEG pictures with a JFIF segment first.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureJpeg(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo* memo) noexcept;
std::int64_t CheckJpgItem(ItemView item, ResourceKind kind, std::int64_t bytesToEnd) noexcept;

namespace jpg {
inline constexpr std::uint8_t kSignature[] = {0xFF, 0xD8, 0xFF, 0xE0};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 7,
     .bytes = kSignature,
     .rule = RuleCode::Jpeg,
     .kind = ResourceKind::JPG,
     .measure = &MeasureJpeg,
     .look = {.shift = 1, .anchors = {1, 3}}},
};
}  // namespace jpg

inline constexpr FormatDescriptor kJpgFormat = {
    .kind = ResourceKind::JPG,
    .name = "JPG",
    .signatures = jpg::kSignatures,
    .riff = {},
    .check = &CheckJpgItem,
    .resources = {.leading = "\xFF\xD8\xFF"},
    .settingsKey = "SCAN_JPG",
    .toolbarImage = 10,
    .categoryImage = 10,
    .symbol = KindSymbol::Jpeg,
    .expandedAfterScan = true,
    .listShowsItself = true,
    .exportsAsPicture = false,
    .optionBox = 3,
    .ranks = {.folder = 7, .stored = 3, .node = 5, .optionBox = 2},
};

}  // namespace morvane
