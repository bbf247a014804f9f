// All the kinds the scanner knows, one line each, in the order of ResourceKind (which is also the
// order of the category tree and the order kinds are listed in).
#pragma once

#include <array>

#include "AniFormat.h"
#include "AviFormat.h"
#include "BmpFormat.h"
#include "CurFormat.h"
#include "FormatDescriptor.h"
#include "GifFormat.h"
#include "IcoFormat.h"
#include "JpgFormat.h"
#include "MidFormat.h"
#include "PngFormat.h"
#include "WavFormat.h"

namespace morvane {

inline constexpr std::array<FormatDescriptor, kKindCount> kFormats = {
    kIcoFormat, kCurFormat, kAniFormat, kBmpFormat, kJpgFormat,
    kGifFormat, kPngFormat, kWavFormat, kMidFormat, kAviFormat,
};

consteval bool EveryLineIsItsKind() {
    for (std::size_t i = 0; i < kFormats.size(); ++i)
        if (KindIndex(kFormats[i].kind) != i) return false;
    return true;
}
static_assert(EveryLineIsItsKind(), "the table lists the kinds in the order of ResourceKind");

constexpr const FormatDescriptor& FormatOf(ResourceKind kind) noexcept {
    return kFormats[KindIndex(kind)];
}

}  // namespace morvane
