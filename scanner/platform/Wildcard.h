// File-name patterns as file lists use them: "*" any run, "?" any one character, letter case
// ignored; "*.*" matches every name, with or without a dot.
#pragma once

#include <string_view>

namespace morvane {

bool WildcardMatch(std::string_view pattern, std::string_view name) noexcept;

}  // namespace morvane
