// Minimal JSON string quoting for the tool's one-object-per-line output.
#pragma once

#include <string>
#include <string_view>

namespace morvane::cli {

// `text` as a JSON string literal, quotes included. Bytes that are not valid UTF-8 become U+FFFD.
std::string JsonQuoted(std::string_view text);

}  // namespace morvane::cli
