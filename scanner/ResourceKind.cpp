#include "ResourceKind.h"

namespace morvane {

namespace {
constexpr std::array<std::string_view, kKindCount> kNames = {"ICO", "CUR", "ANI", "BMP", "JPG",
                                                             "GIF", "PNG", "WAV", "MID", "AVI"};

char Upper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::string_view KindName(ResourceKind kind) noexcept {
    return kNames[KindIndex(kind)];
}

std::optional<ResourceKind> ParseKind(std::string_view name) noexcept {
    if (name.size() != 3) return std::nullopt;
    for (ResourceKind kind : kAllKinds) {
        std::string_view candidate = KindName(kind);
        if (Upper(name[0]) == candidate[0] && Upper(name[1]) == candidate[1] &&
            Upper(name[2]) == candidate[2])
            return kind;
    }
    return std::nullopt;
}

}  // namespace morvane
