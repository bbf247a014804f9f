// The ten kinds of media the scanner carves, and their three-letter names.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace morvane {

enum class ResourceKind { ICO, CUR, ANI, BMP, JPG, GIF, PNG, WAV, MID, AVI };

inline constexpr std::size_t kKindCount = 10;

// The order of the category tree: ICO, CUR, ANI, BMP, JPG, GIF, PNG, WAV, MID, AVI.
inline constexpr std::array<ResourceKind, kKindCount> kAllKinds = {
    ResourceKind::ICO, ResourceKind::CUR, ResourceKind::ANI, ResourceKind::BMP, ResourceKind::JPG,
    ResourceKind::GIF, ResourceKind::PNG, ResourceKind::WAV, ResourceKind::MID, ResourceKind::AVI};

// The order in which the kind folders are created.
inline constexpr std::array<ResourceKind, kKindCount> kFolderCreationOrder = {
    ResourceKind::ANI, ResourceKind::MID, ResourceKind::PNG, ResourceKind::CUR, ResourceKind::ICO,
    ResourceKind::BMP, ResourceKind::WAV, ResourceKind::JPG, ResourceKind::GIF, ResourceKind::AVI};

// "ICO", "CUR", ...: the folder name, the file extension and the tree key of a kind.
std::string_view KindName(ResourceKind kind) noexcept;

// The kind named by three letters in any letter case; nothing for any other text.
std::optional<ResourceKind> ParseKind(std::string_view name) noexcept;

constexpr std::size_t KindIndex(ResourceKind kind) noexcept {
    return static_cast<std::size_t>(kind);
}

}  // namespace morvane
