// TIFF pictures: measured to the farthest byte their IFDs reach.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckTiff(const ItemView& item) noexcept;

}  // namespace morvane
