// A 16-bit (NE) program image found at some offset of a source: its header checked and its
// resource table located. Windows 3.x programs and libraries and .icl icon libraries are such
// images; their resources are not in a section, but anywhere after the header.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace morvane {

class NeImage {
  public:
    // Reads the image whose first byte is the first of `image` (which runs as far as the caller
    // holds the source): "MZ" whose header offset leads to "NE", or "NE" itself, a header without
    // its DOS stub. Nothing when the header is not that of an NE image with a resource table.
    static std::optional<NeImage> Read(std::span<const std::uint8_t> image) noexcept;

    // Of the "NE", from the image's first byte.
    std::uint64_t headerOffset() const noexcept { return header_; }
    // The resource table up to the table that follows it, or as much of it as `image` held.
    std::span<const std::uint8_t> resourceTable() const noexcept { return table_; }
    // Where the resource table ends, from the image's first byte: no resource lies before it.
    std::uint64_t resourceTableEnd() const noexcept { return tableEnd_; }

  private:
    std::uint64_t header_ = 0;
    std::span<const std::uint8_t> table_;
    std::uint64_t tableEnd_ = 0;
};

}  // namespace morvane
