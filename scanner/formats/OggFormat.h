// Ogg streams (Vorbis, Opus, Theora...): CRC-checked pages from beginning to end of stream.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckOgg(const ItemView& item) noexcept;

}  // namespace morvane
