// One icon or cursor image's bitmap header and the bytes it needs: read by the image check that
// icon files, cursor files and program resources share (CheckIconImage), and by the ICO kind's
// check of a bare icon image.
#pragma once

#include <cstdint>
#include <optional>

#include "ItemView.h"

namespace morvane {

// The fields of an icon image's bitmap header that decide its size.
struct IconHeader {
    std::optional<std::uint32_t> size, width, height, planes, bits, compression, coloursUsed;
};

// `base` is where the header's first byte lies in `item` (-1: just before it, known to be 40).
IconHeader ReadIconHeader(const ItemView& item, std::int64_t base) noexcept;

// The bytes an icon image with this header needs: header, colour table, colour bits and (with
// `mask`) the 1-bit mask; the height counts both halves. 0 when the header is not sane.
std::int64_t IconBitmapBytes(const IconHeader& h, bool mask = true) noexcept;

}  // namespace morvane
