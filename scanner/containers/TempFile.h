// A nameless scratch file for an entry too large to hold in memory. The system removes it when
// it is closed, and on POSIX systems it has no name at all, so nothing is left behind even when
// the program is killed.
#pragma once

#include <cstdint>
#include <memory>
#include <system_error>

#include "FileSystem.h"

namespace morvane {

class TempFile {
  public:
    // The file, or none with `error` set.
    static std::unique_ptr<TempFile> Create(std::error_code& error);
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
