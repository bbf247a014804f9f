// What one source's containers may still cost: the bytes unpacked from them (entries, and the
// headers readers unpack to list them) and the bytes held in memory at once (entries, and what
// readers keep of their headers). Every reader and the walk draw from the same budget, so a
// limit holds whichever path the bytes take.
#pragma once

#include <cstdint>

namespace morvane {

class UnpackBudget {
  public:
    UnpackBudget(std::int64_t bytes, std::int64_t memory)
        : bytesLeft_(bytes), memoryLeft_(memory) {}

    // Counts `count` more unpacked bytes; false, counting none, when they do not fit.
    bool Unpack(std::int64_t count) noexcept {
        if (count > bytesLeft_) return false;
        bytesLeft_ -= count;
        return true;
    }
    std::int64_t bytesLeft() const noexcept { return bytesLeft_; }

    // Holds `count` more bytes in memory; false, holding none, when they do not fit.
    bool Hold(std::int64_t count) noexcept {
        if (count > memoryLeft_) return false;
        memoryLeft_ -= count;
        return true;
    }
    void Release(std::int64_t count) noexcept { memoryLeft_ += count; }
    std::int64_t memoryLeft() const noexcept { return memoryLeft_; }

  private:
    std::int64_t bytesLeft_;
    std::int64_t memoryLeft_;
};

}  // namespace morvane
