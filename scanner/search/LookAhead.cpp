#include "LookAhead.h"

#include <algorithm>
#include <cstring>

#include "MarkerCursors.h"

namespace morvane {

LookAhead::LookAhead(const std::uint8_t* item, std::int64_t bytesToEnd, std::int64_t absoluteStart,
                     MarkerCursors* cursors) noexcept
    : item_(item),
      bytesToEnd_(std::max<std::int64_t>(bytesToEnd, 0)),
      length_(std::clamp<std::int64_t>(bytesToEnd - 1, 0, kLookAheadLimit)),
      absoluteStart_(absoluteStart),
      cursors_(cursors) {}

std::uint8_t LookAhead::FieldByte(std::int64_t offset) const noexcept {
    return (offset >= 0 && offset < bytesToEnd_) ? item_[offset] : std::uint8_t{0};
}

std::int32_t LookAhead::FieldInt32(std::int64_t offset) const noexcept {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | FieldByte(offset + i);
    return static_cast<std::int32_t>(value);
}

bool LookAhead::Contains(std::int64_t begin, std::int64_t end,
                         std::span<const std::uint8_t> bytes) const noexcept {
    begin = std::max<std::int64_t>(begin, 0);
    end = std::min(end, length_);
    const auto size = static_cast<std::int64_t>(bytes.size());
    // The ranges looked at are a few bytes long: a plain loop beats any search set-up.
    for (std::int64_t at = begin; at + size <= end; ++at)
        if (item_[at] == bytes[0] && std::memcmp(item_ + at, bytes.data(), bytes.size()) == 0)
            return true;
    return false;
}

bool LookAhead::MatchesAt(std::int64_t offset, std::span<const std::uint8_t> bytes) const noexcept {
    if (offset < 0 || offset + static_cast<std::int64_t>(bytes.size()) > length_) return false;
    return std::memcmp(item_ + offset, bytes.data(), bytes.size()) == 0;
}

std::int64_t LookAhead::Find(Marker marker, std::int64_t from) const noexcept {
    from = std::max<std::int64_t>(from, 0);
    if (cursors_ != nullptr) {
        std::int64_t at = cursors_->Find(marker, absoluteStart_ + from, absoluteStart_ + length_);
        return at < 0 ? -1 : at - absoluteStart_;
    }
    if (from >= length_) return -1;
    std::size_t at = FindNeedle(item_ + from, item_ + length_, MarkerNeedle(marker));
    return at == kNotFound ? -1 : from + static_cast<std::int64_t>(at);
}

}  // namespace morvane
