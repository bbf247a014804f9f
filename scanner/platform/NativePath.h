// UTF-8 path text to the standard library's path type and back, on every platform.
#pragma once

#include <filesystem>
#include <string>

namespace morvane {

inline std::filesystem::path ToFsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string FromFsPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace morvane
