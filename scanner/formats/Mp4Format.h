// ISO base media files (mp4, m4a, mov, 3gp): a run of top-level boxes.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckMp4(const ItemView& item) noexcept;

}  // namespace morvane
