// FLAC sounds: the metadata blocks and the CRC-checked frames that follow them.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckFlac(const ItemView& item) noexcept;

}  // namespace morvane
