// The real disk with failures switched in on purpose: a source that cannot be opened (the first
// time or later), reads that fail or come up short from some offset on, output files that cannot
// be made, writes that stop part way, a log that cannot be opened. Every path it touches is
// recorded, so tests can prove nothing outside the output root was written.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "FileSystem.h"

namespace morvane::test {

class FaultyFileSystem final : public FileSystem {
public:
    // Opens of a source beyond this count fail (the first open is number 1).
    int sourceOpensAllowed = 1 << 30;
    // Reads of any source at or past this offset fail with EIO.
    std::optional<std::int64_t> failReadsFrom;
    // Reads stop short at this offset (as if the file had shrunk), from this open of a source on.
    std::optional<std::int64_t> endsAt;
    int endsAtFromOpen = 1;
    // Outputs whose path contains this text cannot be created.
    std::string refuseOutputsContaining;
    // Each output takes at most this many bytes; then writes report a full disk.
    std::optional<std::size_t> bytesPerOutput;
    bool refuseLog = false;
    // Folders cannot be made (a read-only disk, whoever runs the test).
    bool readOnlyFolders = false;

    std::set<std::string> written;  // every path opened for writing or created

    bool IsFile(const std::string& path) override;
    std::unique_ptr<SourceFile> OpenSource(const std::string& path, std::error_code& error) override;
    std::unique_ptr<OutputFile> CreateOutput(const std::string& path, std::error_code& error) override;
    std::unique_ptr<OutputFile> OpenAppend(const std::string& path, std::error_code& error) override;
    std::int64_t FileSize(const std::string& path, std::error_code& error) override;
    std::error_code CreateFolders(const std::string& path) override;
    std::error_code RemoveFile(const std::string& path) override;

private:
    int opens_ = 0;
};

}  // namespace morvane::test
