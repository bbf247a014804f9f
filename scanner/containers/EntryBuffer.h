// One unpacked entry as a source the engine can read at any offset. Small entries stay in
// memory; one that would take the scan past its memory allowance moves to a scratch file, which
// goes when the entry does.
#pragma once

#include <cstdint>
#include <memory>
#include <system_error>
#include <vector>

#include "FileSystem.h"
#include "containers/TempFile.h"

namespace morvane {

class EntryBuffer final : public SourceFile {
  public:
    // `memoryLeft` is shared by every entry held at once (those of nested containers); it is
    // drawn from while the entry is in memory and given back when it goes.
    explicit EntryBuffer(std::int64_t& memoryLeft) : memoryLeft_(memoryLeft) {}
    ~EntryBuffer() override;
    EntryBuffer(const EntryBuffer&) = delete;
    EntryBuffer& operator=(const EntryBuffer&) = delete;

    std::error_code Append(const std::uint8_t* bytes, std::size_t count);

    std::int64_t Length() const override { return length_; }
    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override;

  private:
    std::error_code MoveToFile();

    std::int64_t& memoryLeft_;
    std::vector<std::uint8_t> memory_;
    std::int64_t drawn_ = 0;
    std::unique_ptr<TempFile> file_;
    std::int64_t length_ = 0;
};

}  // namespace morvane
