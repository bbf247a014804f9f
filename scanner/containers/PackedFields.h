// Little-endian fields read from bytes already known to hold them, and the UTF-8 form of the
// characters that name the entries of containers.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

inline std::uint16_t Le16(const std::uint8_t* p) noexcept {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t Le32(const std::uint8_t* p) noexcept {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Appends a character of the Basic Multilingual Plane.
inline void AppendUtf8(std::string& to, std::uint32_t c) {
    if (c < 0x80) {
        to += static_cast<char>(c);
    } else if (c < 0x800) {
        to += static_cast<char>(0xC0 | c >> 6);
        to += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        to += static_cast<char>(0xE0 | c >> 12);
        to += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        to += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace morvane
