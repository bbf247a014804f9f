// The system's 8-bit code page. Language files come from editors that save in it, and on Windows
// the program reads them as the system's own text programs would.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// `bytes` decoded with the active ANSI code page (Windows). Nothing on a platform without one,
// where the caller chooses an encoding of its own.
std::optional<std::u16string> DecodeWithSystemCodePage(std::string_view bytes);

}  // namespace morvane
