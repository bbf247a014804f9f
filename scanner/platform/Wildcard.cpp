#include "Wildcard.h"

#include "PathHelpers.h"

namespace morvane {

bool WildcardMatch(std::string_view pattern, std::string_view name) noexcept {
    if (pattern == "*.*") return true;
    // Greedy matching with one back-track point: linear for patterns with one star, and never
    // worse than pattern x name.
    std::size_t p = 0, n = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || FoldLetterCase(pattern[p]) == FoldLetterCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace morvane
