// Apple icon families: an icns header and the elements it totals.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckIcns(const ItemView& item) noexcept;

}  // namespace morvane
