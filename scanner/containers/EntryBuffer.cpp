#include "containers/EntryBuffer.h"

#include <algorithm>
#include <cstring>

namespace morvane {

EntryBuffer::~EntryBuffer() {
    budget_.Release(drawn_);
}

std::error_code EntryBuffer::Append(const std::uint8_t* bytes, std::size_t count) {
    if (!file_) {
        const auto more = static_cast<std::int64_t>(count);
        if (!budget_.Hold(more)) {
            if (std::error_code error = MoveToFile()) return error;
        } else {
            memory_.insert(memory_.end(), bytes, bytes + count);
            drawn_ += more;
            length_ += more;
            return {};
        }
    }
    if (std::error_code error = file_->Append(bytes, count)) return error;
    length_ += static_cast<std::int64_t>(count);
    return {};
}

std::error_code EntryBuffer::MoveToFile() {
    std::error_code error;
    file_ = TempFile::Create(scratchFolder_, error);
    if (!file_) return error;
    if (!memory_.empty()) error = file_->Append(memory_.data(), memory_.size());
    std::vector<std::uint8_t>().swap(memory_);
    budget_.Release(drawn_);
    drawn_ = 0;
    return error;
}

ReadResult EntryBuffer::ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) {
    if (offset < 0 || offset >= length_) return {};
    const auto fits = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(count), length_ - offset));
    if (file_) return file_->ReadAt(offset, into, fits);
    std::memcpy(into, memory_.data() + offset, fits);
    return {fits, {}};
}

}  // namespace morvane
