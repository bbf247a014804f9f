// Wave sounds: RIFF containers of the form WAVE.
#pragma once

#include "FormatDescriptor.h"
#include "ItemChecks.h"
#include "RiffSignature.h"

namespace morvane {

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
