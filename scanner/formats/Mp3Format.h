// MP3 sounds: an optional ID3v2 tag, a run of MPEG audio frames, optional trailing tags.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckMp3(const ItemView& item) noexcept;

}  // namespace morvane
