// Enhanced metafiles: EMR_HEADER and the records up to EMR_EOF.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckEmf(const ItemView& item) noexcept;

}  // namespace morvane
