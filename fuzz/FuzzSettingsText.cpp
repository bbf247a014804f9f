// Stored option texts as a user or another version may have left them. Reading must never crash,
// and whatever reads back must write and read again to the same value.
#include <QString>
#include <cstdlib>

#include "StoredForms.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto flag = ParseStoredBoolean(text)) {
        if (ParseStoredBoolean(StoredBoolean(*flag)) != flag) std::abort();
    }
    if (const auto number = ParseStoredInteger(text)) {
        if (ParseStoredInteger(StoredInteger(*number)) != number) std::abort();
    }
    return 0;
}
