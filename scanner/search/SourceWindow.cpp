#include "SourceWindow.h"

#include <algorithm>
#include <cstring>

#include "ScanError.h"

namespace morvane {

SourceWindow::SourceWindow(std::size_t capacity) : buffer_(capacity + kSlack) {}

void SourceWindow::Reset(SourceFile* source, std::int64_t fileLength) {
    source_ = source;
    fileLength_ = fileLength;
    start_ = 0;
    filled_ = 0;
    failed_ = false;
    std::memset(buffer_.data(), 0, kSlack);
}

std::error_code SourceWindow::Require(std::int64_t begin, std::int64_t end) {
    end = std::min(end, fileLength_);
    const std::size_t capacity = buffer_.size() - kSlack;
    if (begin < start_ || begin > this->end()) {
        // Nothing resident is of use: start afresh at `begin`.
        start_ = begin;
        filled_ = 0;
    } else if (end - start_ > static_cast<std::int64_t>(capacity)) {
        // Slide the bytes still needed to the front of the buffer.
        const std::size_t keep = static_cast<std::size_t>(this->end() - begin);
        std::memmove(buffer_.data(), buffer_.data() + (begin - start_), keep);
        start_ = begin;
        filled_ = keep;
    }
    std::error_code error;
    while (!failed_ && this->end() < end) {
        const std::size_t piece = static_cast<std::size_t>(std::min<std::int64_t>(
            {static_cast<std::int64_t>(kReadPiece), static_cast<std::int64_t>(capacity - filled_),
             fileLength_ - this->end()}));
        if (piece == 0) break;  // the caller asked for more than the window can hold
        const ReadResult got = source_->ReadAt(this->end(), buffer_.data() + filled_, piece);
        filled_ += got.bytes;
        if (got.error || got.bytes == 0) {
            failed_ = true;
            error = got.error ? got.error : make_error_code(ScanErrc::SourceShrank);
        }
    }
    std::memset(buffer_.data() + filled_, 0, kSlack);
    return error;
}

}  // namespace morvane
