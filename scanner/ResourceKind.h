// The kinds of media the scanner carves. Everything else about a kind is in its descriptor
// (formats/FormatTable.h); this enumeration only names the lines of that table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace morvane {

enum class ResourceKind { ICO, CUR, ANI, BMP, JPG, GIF, PNG, WAV, MID, AVI, Count };

inline constexpr std::size_t kKindCount = static_cast<std::size_t>(ResourceKind::Count);

constexpr std::size_t KindIndex(ResourceKind kind) noexcept {
    return static_cast<std::size_t>(kind);
}

// Every kind in the order of the category tree, which is the order of the enumeration.
inline constexpr std::array<ResourceKind, kKindCount> kAllKinds = [] {
    std::array<ResourceKind, kKindCount> kinds{};
    for (std::size_t i = 0; i < kKindCount; ++i) kinds[i] = static_cast<ResourceKind>(i);
    return kinds;
}();

// "ICO", "CUR", ...: the folder name, the file extension and the tree key of a kind.
std::string_view KindName(ResourceKind kind) noexcept;

// The kind named by three letters in any letter case; nothing for any other text.
std::optional<ResourceKind> ParseKind(std::string_view name) noexcept;

}  // namespace morvane
