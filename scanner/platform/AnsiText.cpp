#include "AnsiText.h"

#ifdef _WIN32
#include <windows.h>

#include <climits>
#endif

namespace morvane {

#ifdef _WIN32
std::optional<std::u16string> DecodeWithSystemCodePage(std::string_view bytes) {
    if (bytes.empty()) return std::u16string();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), needed);
    return std::u16string(wide.begin(), wide.end());
}
#else
std::optional<std::u16string> DecodeWithSystemCodePage(std::string_view) {
    return std::nullopt;
}
#endif

}  // namespace morvane
