// The scanner's only door to the disk. The native implementation serves the programs; tests
// put their own in front of it to make reads and writes fail on purpose.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

namespace morvane {

struct ReadResult {
    std::size_t bytes = 0;  // fewer than asked only at the end of the file or on an error
    std::error_code error;
};

class SourceFile {
  public:
    virtual ~SourceFile() = default;
    virtual std::int64_t Length() const = 0;
    // Reads up to `count` bytes at 0-based `offset`.
    virtual ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) = 0;
};

class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual std::error_code Write(const std::uint8_t* bytes, std::size_t count) = 0;
    virtual std::error_code Close() = 0;
};

// Paths are UTF-8 text in the platform's own form.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Whether a file (not a folder) exists at path; hidden, system and read-only files count.
    virtual bool IsFile(const std::string& path) = 0;
    virtual std::unique_ptr<SourceFile> OpenSource(const std::string& path,
                                                   std::error_code& error) = 0;
    // Creates the file, or empties an existing one.
    virtual std::unique_ptr<OutputFile> CreateOutput(const std::string& path,
                                                     std::error_code& error) = 0;
    // Opens for appending, creating the file when missing.
    virtual std::unique_ptr<OutputFile> OpenAppend(const std::string& path,
                                                   std::error_code& error) = 0;
    // The size of an existing file; -1 (with the error) when it cannot be examined.
    virtual std::int64_t FileSize(const std::string& path, std::error_code& error) = 0;
    // Makes sure a folder exists, creating every missing level.
    virtual std::error_code CreateFolders(const std::string& path) = 0;
    virtual std::error_code RemoveFile(const std::string& path) = 0;
    // Gives a file another name in the same folder, replacing a file of that name.
    virtual std::error_code Rename(const std::string& from, const std::string& to) = 0;
};

// The real disk.
FileSystem& NativeFileSystem();

}  // namespace morvane
