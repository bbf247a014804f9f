// A PE image found at some offset of a source: its headers checked, its section table read, and
// its resource directory located in file terms.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ByteView.h"

namespace morvane {

struct PeSection {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawOffset = 0;  // from the image's "MZ"
    std::uint32_t rawSize = 0;
};

class PeImage {
  public:
    // Reads the image whose "MZ" is the first byte of `image` (which runs to the end of the
    // source). Nothing when the headers are not those of a PE32 or PE32+ image.
    static std::optional<PeImage> Read(std::span<const std::uint8_t> image) noexcept;

    bool isPe32Plus() const noexcept { return pe32Plus_; }
    std::uint32_t resourceRva() const noexcept { return resourceRva_; }
    std::uint32_t resourceSize() const noexcept { return resourceSize_; }
    const std::vector<PeSection>& sections() const noexcept { return sections_; }

    std::span<const std::uint8_t> bytes() const noexcept { return view_.bytes(); }
    // The section that holds the resource directory; nothing when no section does.
    std::optional<PeSection> ResourceSection() const noexcept;

  private:
    bool ReadOptionalHeader(std::uint64_t at, std::uint16_t size) noexcept;
    bool ReadSections(std::uint64_t at, std::uint16_t count) noexcept;

    ByteView view_;
    bool pe32Plus_ = false;
    std::uint32_t resourceRva_ = 0;
    std::uint32_t resourceSize_ = 0;
    std::vector<PeSection> sections_;
};

}  // namespace morvane
