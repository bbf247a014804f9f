// The figures of a progress report: grouped digits and the progress bar's value for one chunk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// n with its digits grouped in threes by `separator` ("1,048,576").
std::string GroupDigits(std::int64_t n, std::string_view separator);

// (e + 1) divided by L / 100 (rounded, halves to even); nothing when that divisor is 0 or the
// quotient passes 100.
std::optional<int> ProgressBarValue(std::int64_t lastPosition, std::int64_t length) noexcept;

}  // namespace morvane
