// Animated cursors: RIFF containers of the form ACON.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"
#include "ItemChecks.h"
#include "RiffFamily.h"

namespace morvane {

// What one top-level chunk of an animated cursor tells the RIFF walk.
void NoteAniChunk(const ItemView& item, std::int64_t at, std::int64_t size,
                  RiffWalk& walk) noexcept;

namespace ani {
inline constexpr std::uint32_t kResourceTypes[] = {21, 22};
}  // namespace ani

inline constexpr FormatDescriptor kAniFormat = {
    .kind = ResourceKind::ANI,
    .name = "ANI",
    .signatures = kRiffSignature,
    .riff = {.form = "ACON", .mark = "ACON", .precedence = 2},
    .check = &CheckRiff,
    .resources = {.ids = ani::kResourceTypes, .leading = "RIFF"},
    .settingsKey = "SCAN_ANI",
    .toolbarImage = 22,
    .categoryImage = 22,
    .symbol = KindSymbol::AnimatedCursor,
    .expandedAfterScan = true,
    .listShowsItself = false,
    .exportsAsPicture = false,
    .optionBox = 10,
    .ranks = {.folder = 0, .stored = 9, .node = 9, .optionBox = 9},
};

}  // namespace morvane
