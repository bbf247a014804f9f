// The resources of an NE image's resource table, as the same leaves the PE walk gives: type
// records one after the other, each with its entries, read with every offset checked, each entry
// once, and the counts capped, so that a hostile table ends in bounded time.
#pragma once

#include <cstdint>
#include <span>

#include "NeImage.h"
#include "ResourceWalk.h"

namespace morvane {

// The image runs `imageLength` bytes from its first byte. The leaves' offsets count from there
// and their sizes are those of the table, rounded up to its alignment (cut at the image's end).
ResourceTable WalkNeResources(const NeImage& image, std::uint64_t imageLength) noexcept;

}  // namespace morvane
