// Finding a short byte string inside a buffer, anchored on one of its rarer bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace morvane {

struct Needle {
    std::span<const std::uint8_t> bytes;
    std::size_t anchor;  // index of the byte that memchr looks for first
};

// Offset of the first occurrence of needle lying wholly inside [begin, end); npos when none.
inline std::size_t FindNeedle(const std::uint8_t* begin, const std::uint8_t* end,
                              const Needle& needle) noexcept {
    constexpr std::size_t npos = static_cast<std::size_t>(-1);
    const std::size_t size = needle.bytes.size();
    if (begin >= end || static_cast<std::size_t>(end - begin) < size) return npos;
    const std::uint8_t anchorByte = needle.bytes[needle.anchor];
    const std::uint8_t* scan = begin + needle.anchor;
    const std::uint8_t* scanEnd = end - (size - needle.anchor - 1);
    while (scan < scanEnd) {
        const void* hit = std::memchr(scan, anchorByte, static_cast<std::size_t>(scanEnd - scan));
        if (hit == nullptr) return npos;
        const std::uint8_t* at = static_cast<const std::uint8_t*>(hit) - needle.anchor;
        if (std::memcmp(at, needle.bytes.data(), size) == 0)
            return static_cast<std::size_t>(at - begin);
        scan = static_cast<const std::uint8_t*>(hit) + 1;
    }
    return npos;
}

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

}  // namespace morvane
