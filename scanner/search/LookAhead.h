// The bytes a recogniser may look at for one candidate: the look-ahead and a few header fields.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "ByteSearch.h"
#include "Markers.h"

namespace morvane {

class MarkerCursors;

// The most bytes a look-ahead holds (2 MiB).
inline constexpr std::int64_t kLookAheadLimit = 2 * 1024 * 1024;
// Header fields lie within this many bytes of an item's start.
inline constexpr std::int64_t kHeaderSpan = 64;

// A view of the source from one candidate's first byte. Offsets are 0-based item offsets.
//
// The look-ahead ("A") holds min(L - p, 2 MiB) bytes, so it never holds the file's last byte.
// Header fields are read from the file itself and may include that byte; bytes past the end of
// the file read as zero. The memory behind `item` must hold min(bytesToEnd, length + kHeaderSpan)
// bytes.
class LookAhead {
  public:
    LookAhead(const std::uint8_t* item, std::int64_t bytesToEnd, std::int64_t absoluteStart = 0,
              MarkerCursors* cursors = nullptr) noexcept;

    // Builds the view of the candidate at 0-based `offset` of a whole file held in memory.
    static LookAhead InFile(std::span<const std::uint8_t> file, std::int64_t offset) noexcept {
        return LookAhead(file.data() + offset, static_cast<std::int64_t>(file.size()) - offset);
    }

    std::int64_t length() const noexcept { return length_; }
    // L - p + 1: the bytes from the item's first byte to the end of the file.
    std::int64_t bytesToEnd() const noexcept { return bytesToEnd_; }
    std::int64_t absoluteStart() const noexcept { return absoluteStart_; }
    MarkerCursors* cursors() const noexcept { return cursors_; }

    // Every byte that may be read from the item's first on: the look-ahead, and up to the end
    // of the file where that lies within the header span after it.
    std::span<const std::uint8_t> Readable() const noexcept {
        const std::int64_t count = std::min(bytesToEnd_, length_ + kHeaderSpan);
        return {item_, static_cast<std::size_t>(count)};
    }

    std::uint8_t FieldByte(std::int64_t offset) const noexcept;
    std::int32_t FieldInt32(std::int64_t offset) const noexcept;

    // Whether `bytes` lies wholly inside look-ahead offsets [begin, end).
    bool Contains(std::int64_t begin, std::int64_t end,
                  std::span<const std::uint8_t> bytes) const noexcept;
    // Whether `bytes` starts at `offset` and lies wholly inside the look-ahead.
    bool MatchesAt(std::int64_t offset, std::span<const std::uint8_t> bytes) const noexcept;
    // The first offset >= from where the marker lies wholly inside the look-ahead; -1 when none.
    std::int64_t Find(Marker marker, std::int64_t from) const noexcept;

  private:
    const std::uint8_t* item_;
    std::int64_t bytesToEnd_;
    std::int64_t length_;
    std::int64_t absoluteStart_;
    MarkerCursors* cursors_;
};

}  // namespace morvane
