// Windows metafiles, placeable or plain: the header and records to the end record.
#pragma once

#include <cstdint>

#include "ItemView.h"

namespace morvane {

std::int64_t CheckWmf(const ItemView& item) noexcept;

}  // namespace morvane
