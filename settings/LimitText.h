// The size cap as the options dialog reads it from its text box: the box is free text, so any
// entry has to become a 32-bit number of megabytes or be refused.
#pragma once

#include <QStringView>
#include <cstdint>

namespace morvane {

// What an entry that is not a number stands for.
inline constexpr std::int32_t kLimitForNonNumbers = 100;

struct LimitText {
    enum class State {
        Number,      // `value` holds the entry rounded to an integer
        NotANumber,  // `value` is kLimitForNonNumbers
        OutOfRange,  // a number, but beyond what 32 signed bits hold once rounded
    };
    State state = State::NotANumber;
    std::int32_t value = kLimitForNonNumbers;
};

// Reads a decimal number ("12", "-3", "12.5", ".5", "1e3"; blanks around it allowed) rounded to
// the nearest integer with halves to even. Zero and negative numbers are numbers like any other;
// empty text, letters and anything else are not.
LimitText ReadLimitText(QStringView text);

}  // namespace morvane
