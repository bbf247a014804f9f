// The size of a picture measured up to its end marker (GIF, PNG and JPEG): through the marker and
// one byte more.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

// Size of an item whose end marker starts at look-ahead offset `at`: through the marker and one
// byte more (that byte always lies inside the file, since the look-ahead never holds its last).
inline std::int64_t ThroughMarkerAndOneByte(std::int64_t at, std::size_t markerLength) noexcept {
    return at + static_cast<std::int64_t>(markerLength) + 1;
}

}  // namespace morvane
