// JPEG pictures. The size rule takes a picture with a JFIF segment first, up to its end marker
// followed by two zero bytes, and one byte more. A checked scan takes any picture: the start of
// image followed by any marker segment, walked segment by segment and through its entropy-coded
// data to the end of image, whatever follows it.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"

namespace morvane {

Verdict MeasureJpeg(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                    MidiChainMemo* memo) noexcept;
std::int64_t CheckJpgItem(const ItemView& item, ResourceKind kind,
                          std::int64_t bytesToEnd) noexcept;

namespace jpg {
inline constexpr std::uint8_t kSignature[] = {0xFF, 0xD8, 0xFF, 0xE0};
inline constexpr SignatureRow kSignatures[] = {
    {.row = 7,
     .bytes = kSignature,
     .rule = RuleCode::Jpeg,
     .kind = ResourceKind::JPG,
     .measure = &MeasureJpeg,
     .look = {.shift = 1, .anchors = {1, 2}},
     // The start of image and the first marker's lead byte: which marker comes first is the
     // picture's own choice (JFIF, Exif, Adobe, ICC profiles, or the tables themselves).
     .checkedBytes = std::span(kSignature).first(3)},
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
