// The names come from the format table, which lists the kinds in the order of the enumeration.
#include "ResourceKind.h"

#include "formats/FormatTable.h"

namespace morvane {

namespace {
char Upper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

std::string_view KindName(ResourceKind kind) noexcept {
    return FormatOf(kind).name;
}

std::optional<ResourceKind> ParseKind(std::string_view name) noexcept {
    if (name.size() != 3) return std::nullopt;
    for (const FormatDescriptor& format : kFormats) {
        const std::string_view candidate = format.name;
        if (Upper(name[0]) == candidate[0] && Upper(name[1]) == candidate[1] &&
            Upper(name[2]) == candidate[2])
            return format.kind;
    }
    return std::nullopt;
}

}  // namespace morvane
