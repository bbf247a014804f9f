#include "ProgressFigures.h"

namespace morvane {

std::string GroupDigits(std::int64_t n, std::string_view separator) {
    const std::string digits = std::to_string(n);
    const std::size_t first = digits[0] == '-' ? 1 : 0;
    std::string grouped = digits.substr(0, first);
    for (std::size_t i = first; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

std::optional<int> ProgressBarValue(std::int64_t lastPosition, std::int64_t length) noexcept {
    std::int64_t divisor = length / 100;
    const std::int64_t remainder = length % 100;
    if (remainder > 50 || (remainder == 50 && divisor % 2 == 1)) ++divisor;
    if (divisor == 0) return std::nullopt;
    const std::int64_t value = (lastPosition + 1) / divisor;
    if (value > 100 || value < 0) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace morvane
