// A sliding window over the source file: each byte is read once, and a candidate's whole
// look-ahead is in memory while its chunk is searched.
#pragma once

#include <cstdint>
#include <memory>
#include <system_error>
#include <vector>

#include "FileSystem.h"
#include "LargeBuffer.h"

namespace morvane {

class SourceWindow {
  public:
    // `capacity` is the most bytes held at once; it must exceed the largest span ever required.
    explicit SourceWindow(std::size_t capacity);

    // Starts over on a new source of `fileLength` bytes.
    void Reset(SourceFile* source, std::int64_t fileLength);

    // Makes [begin, end) resident (clipped to the file); bytes before `begin` may be dropped.
    // A failed or short read leaves the missing bytes out of the window and reports the error.
    std::error_code Require(std::int64_t begin, std::int64_t end);

    std::int64_t start() const noexcept { return start_; }
    // One past the last resident byte; zero-filled slack follows it in memory.
    std::int64_t end() const noexcept { return start_ + static_cast<std::int64_t>(filled_); }
    const std::uint8_t* At(std::int64_t position) const noexcept {
        return buffer_.data() + (position - start_);
    }

    // Zero bytes kept after the resident data so vector loads may run past it.
    static constexpr std::size_t kSlack = 128;
    // The most bytes asked of the source in one read.
    static constexpr std::size_t kReadPiece = 1024 * 1024;

  private:
    LargeBuffer buffer_;
    SourceFile* source_ = nullptr;
    std::int64_t fileLength_ = 0;
    std::int64_t start_ = 0;
    std::size_t filled_ = 0;
    bool failed_ = false;  // a source that failed once is not read again
};

}  // namespace morvane
