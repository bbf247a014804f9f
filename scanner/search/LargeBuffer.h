// A large byte buffer for the scan window: uninitialised, aligned to 2 MiB, and on Linux backed
// by huge pages where the system allows, so filling it costs a handful of page faults instead of
// thousands.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

class LargeBuffer {
  public:
    explicit LargeBuffer(std::size_t size);
    ~LargeBuffer();
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;

    std::uint8_t* data() noexcept { return data_; }
    const std::uint8_t* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }

  private:
    std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace morvane
