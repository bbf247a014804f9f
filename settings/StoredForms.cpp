#include "StoredForms.h"

#include <cmath>
#include <limits>

namespace morvane {

namespace {

// A finite decimal number with "." for the fraction whatever the user's locale, so that a store
// reads the same on every system; no digit grouping.
std::optional<double> ParseNumber(QStringView text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

double RoundHalfToEven(double value) {
    const double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) != 0.5) return rounded;
    return 2.0 * std::round(value / 2.0);
}

}  // namespace

QString StoredBoolean(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString StoredInteger(std::int32_t value) {
    return QString::number(value);
}

std::optional<bool> ParseStoredBoolean(QStringView text) {
    const QStringView word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0) return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0) return false;
    const std::optional<double> number = ParseNumber(word);
    if (!number) return std::nullopt;
    return *number != 0.0;
}

std::optional<std::int32_t> ParseStoredInteger(QStringView text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) return std::nullopt;
    const double rounded = RoundHalfToEven(*number);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace morvane
