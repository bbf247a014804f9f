// AVI videos: RIFF containers of the form "AVI ".
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"
#include "ItemChecks.h"
#include "RiffFamily.h"

namespace morvane {

// What one top-level chunk of a AVI video tells the RIFF walk.
void NoteAviChunk(const ItemView& item, std::int64_t at, std::int64_t size,
                  RiffWalk& walk) noexcept;

inline constexpr FormatDescriptor kAviFormat = {
    .kind = ResourceKind::AVI,
    .name = "AVI",
    .signatures = kRiffSignature,
    .riff = {.form = "AVI ", .mark = "AVI", .precedence = 1},
    .check = &CheckRiff,
    .resources = {.name = "AVI", .leading = "RIFF"},
    .settingsKey = "SCAN_AVI",
    .toolbarImage = 13,
    .categoryImage = 13,
    .symbol = KindSymbol::Avi,
    .expandedAfterScan = false,
    .listShowsItself = false,
    .exportsAsPicture = false,
    .optionBox = 8,
    .ranks = {.folder = 9, .stored = 6, .node = 2, .optionBox = 7},
};

}  // namespace morvane
