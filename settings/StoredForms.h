// How option values look in the store: texts in the forms earlier versions wrote, read back
// leniently because users and older versions have put other spellings there.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace morvane {

// "True" or "False".
QString StoredBoolean(bool value);

// Decimal digits with a leading "-" when negative, no separators.
QString StoredInteger(std::int32_t value);

// "True" or "False" in any letter case, or a decimal number (zero is false, any other true);
// blanks around either are allowed. Nothing for any other text.
std::optional<bool> ParseStoredBoolean(QStringView text);

// A decimal number (fractions and exponents allowed, blanks around it too), rounded to the
// nearest integer with halves to even. Nothing when it is not a number or the rounded value
// does not fit in 32 signed bits.
std::optional<std::int32_t> ParseStoredInteger(QStringView text);

}  // namespace morvane
