// The leaves of a PE image's resource directory (type, name, language), read with every offset
// checked and every directory visited at most once, so that a hostile table cannot loop.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "PeImage.h"

namespace morvane {

// A numeric id, or a name (kept as Latin-1 text; other UTF-16 units become '?').
struct ResourceKey {
    bool named = false;
    std::uint32_t id = 0;
    std::string name;
};

// The raw bytes of the section that holds a resource directory, wherever they were read from.
struct ResourceArea {
    std::uint32_t virtualAddress = 0;  // of the section's first byte
    std::uint32_t directoryRva = 0;    // of the root directory
    std::span<const std::uint8_t> bytes;

    // The offset in `bytes` of `count` bytes at `rva`, when they lie wholly inside.
    std::optional<std::uint64_t> Map(std::uint64_t rva, std::uint64_t count) const noexcept;
};

// The area of an image held whole in memory; nothing when it has no resource directory.
std::optional<ResourceArea> ResourceAreaOf(const PeImage& image) noexcept;

struct ResourceLeaf {
    ResourceKey type;
    ResourceKey name;
    std::uint32_t language = 0;
    std::uint64_t offset = 0;  // of the data, in the area's bytes
    std::uint32_t size = 0;
};

struct ResourceTable {
    std::vector<ResourceLeaf> leaves;
    // What could not be read, one short line each (at most a few).
    std::vector<std::string> problems;
};

ResourceTable WalkResources(const ResourceArea& area) noexcept;

}  // namespace morvane
