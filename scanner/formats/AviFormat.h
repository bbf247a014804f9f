// AVI videos: RIFF containers of the form "AVI ".
#pragma once

#include "FormatDescriptor.h"
#include "ItemChecks.h"
#include "RiffSignature.h"

namespace morvane {

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
