// Sources packed with signatures, end markers, whole items and short fillers, drawn at random: the
// worst case for the search, and a check that every way of searching finds the same.
#pragma once

#include <cstdint>

#include "MediaSamples.h"

namespace morvane::test {

Bytes DenseSource(std::size_t size, std::uint32_t seed);

}  // namespace morvane::test
