// A part of a source seen as a source of its own: a container that starts inside a program is
// read as if it were a file.
#pragma once

#include <algorithm>

#include "FileSystem.h"

namespace morvane {

class SourceSlice final : public SourceFile {
  public:
    SourceSlice(SourceFile& whole, std::int64_t begin, std::int64_t length)
        : whole_(whole), begin_(begin), length_(length) {}
    std::int64_t Length() const override { return length_; }
    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override {
        if (offset < 0 || offset >= length_) return {};
        const auto fits = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(count), length_ - offset));
        return whole_.ReadAt(begin_ + offset, into, fits);
    }

  private:
    SourceFile& whole_;
    std::int64_t begin_;
    std::int64_t length_;
};

}  // namespace morvane
