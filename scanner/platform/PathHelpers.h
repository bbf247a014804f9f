// Path text helpers shared by the whole program. Paths use the platform's own separator.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder of the running program, ending in exactly one separator.
std::string AppFolder();

// The text after the last separator; empty when there is none.
std::string FileNameOfPath(std::string_view path);

// The text after the last separator (empty when there is none); without keepExtension, cut
// before the last "." that it holds.
std::string FileNameFromPath(std::string_view path, bool keepExtension);

// `c` with an ASCII capital letter made small: how names are compared where letter case is
// ignored.
constexpr char FoldLetterCase(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// `folder` followed by one separator, unless it already ends with one.
std::string WithTrailingSeparator(std::string folder);

}  // namespace morvane
