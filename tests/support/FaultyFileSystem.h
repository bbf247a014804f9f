// The real disk with failures switched in on purpose; every path it writes is recorded, so tests
// can prove nothing outside the output root was written.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "FileSystem.h"

namespace morvane::test {

class FaultyFileSystem final : public FileSystem {
  public:
    int sourceOpensAllowed = 1 << 30;           // later opens of a source fail (ENOENT)
    std::optional<std::int64_t> failReadsFrom;  // reads reaching this offset fail (EIO)
    std::optional<std::int64_t> endsAt;         // reads stop here (a shrunk file)...
    int endsAtFromOpen = 1;                     // ...from this open of a source on
    std::string refuseOutputsContaining;        // such outputs cannot be created (EACCES)
    std::optional<std::size_t> bytesPerOutput;  // then writes report a full disk
    bool refuseLog = false;
    std::set<std::string> written;

    bool IsFile(const std::string& path) override { return NativeFileSystem().IsFile(path); }
    std::unique_ptr<SourceFile> OpenSource(const std::string& path,
                                           std::error_code& error) override;
    std::unique_ptr<OutputFile> CreateOutput(const std::string& path,
                                             std::error_code& error) override;
    std::unique_ptr<OutputFile> OpenAppend(const std::string& path,
                                           std::error_code& error) override;
    std::int64_t FileSize(const std::string& path, std::error_code& error) override {
        return NativeFileSystem().FileSize(path, error);
    }
    std::error_code CreateFolders(const std::string& path) override {
        return written.insert(path), NativeFileSystem().CreateFolders(path);
    }
    std::error_code RemoveFile(const std::string& path) override {
        return written.insert(path), NativeFileSystem().RemoveFile(path);
    }

  private:
    int opens_ = 0;
};

}  // namespace morvane::test
