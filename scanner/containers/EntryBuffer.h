// One unpacked entry as a source the engine can read at any offset. Small entries stay in
// memory; one that would take the scan past its memory allowance moves to a scratch file in a
// folder on disk, which goes when the entry does.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "FileSystem.h"
#include "containers/TempFile.h"
#include "containers/UnpackBudget.h"

namespace morvane {

class EntryBuffer final : public SourceFile {
  public:
    // The budget's memory is shared by every entry held at once (those of nested containers); it
    // is drawn from while the entry is in memory and given back when it goes. A scratch file is
    // made in `scratchFolder` (the system's temporary folder when empty).
    EntryBuffer(UnpackBudget& budget, std::string scratchFolder)
        : budget_(budget), scratchFolder_(std::move(scratchFolder)) {}
    ~EntryBuffer() override;
    EntryBuffer(const EntryBuffer&) = delete;
    EntryBuffer& operator=(const EntryBuffer&) = delete;

    std::error_code Append(const std::uint8_t* bytes, std::size_t count);

    std::int64_t Length() const override { return length_; }
    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override;

  private:
    std::error_code MoveToFile();

    UnpackBudget& budget_;
    std::string scratchFolder_;
    std::vector<std::uint8_t> memory_;
    std::int64_t drawn_ = 0;
    std::unique_ptr<TempFile> file_;
    std::int64_t length_ = 0;
};

}  // namespace morvane
