// A nameless scratch file for an entry too large to hold in memory. The system removes it when
// it is closed, and on POSIX systems it has no name at all, so nothing is left behind even when
// the program is killed. It is made in a folder the caller names, on the disk the outputs go to:
// the system's temporary folder is often held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

#include "FileSystem.h"

namespace morvane {

class TempFile {
  public:
    // The file, in `folder` (UTF-8) or, when it is empty or cannot take one, in the system's
    // temporary folder; or none with `error` set.
    static std::unique_ptr<TempFile> Create(const std::string& folder, std::error_code& error);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::error_code Append(const std::uint8_t* bytes, std::size_t count);
    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count);

  private:
    explicit TempFile(void* handle) : handle_(handle) {}
    void* handle_;  // a FILE*, or a Windows HANDLE
};

}  // namespace morvane
