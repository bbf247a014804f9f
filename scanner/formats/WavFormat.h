// Wave sounds: RIFF containers of the form WAVE.
#pragma once

#include <cstdint>

#include "FormatDescriptor.h"
#include "ItemChecks.h"
#include "RiffFamily.h"

namespace morvane {

// What one top-level chunk of a wave sound tells the RIFF walk.
void NoteWaveChunk(const ItemView& item, std::int64_t at, std::int64_t size,
                   RiffWalk& walk) noexcept;

inline constexpr FormatDescriptor kWavFormat = {
    .kind = ResourceKind::WAV,
    .name = "WAV",
    .signatures = kRiffSignature,
    .riff = {.form = "WAVE", .mark = "WAVE", .precedence = 0},
    .check = &CheckRiff,
    .resources = {.leading = "RIFF"},
    .settingsKey = "SCAN_WAV",
    .toolbarImage = 12,
    .categoryImage = 14,
    .symbol = KindSymbol::Wave,
    .expandedAfterScan = true,
    .listShowsItself = false,
    .exportsAsPicture = false,
    .optionBox = 7,
    .ranks = {.folder = 6, .stored = 5, .node = 0, .optionBox = 6},
};

}  // namespace morvane
