#include "LimitText.h"

#include <QRegularExpression>
#include <optional>

#include "StoredForms.h"

namespace morvane {

LimitText ReadLimitText(QStringView text) {
    // Only plain decimal notation counts as a number; the double parser alone would also take
    // "inf" and "nan".
    static const QRegularExpression kDecimal(
        QStringLiteral(R"(^[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?$)"));
    if (!kDecimal.match(text.trimmed()).hasMatch()) return {};
    // The stored form of the limit follows the same rounding, so reuse its reader; it refuses
    // what does not fit in 32 bits.
    const std::optional<std::int32_t> value = ParseStoredInteger(text);
    if (!value) return {LimitText::State::OutOfRange, 0};
    return {LimitText::State::Number, *value};
}

}  // namespace morvane
