// The items written in one run, by their bytes: an item equal to one written before is found
// here, so that a run asked for distinct items writes each only once. Equal digests are confirmed
// against the earlier file's bytes on disk, so no item is taken for another it merely resembles.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "FileSystem.h"

namespace morvane {

// Whether the file at `path` is `length` bytes long and begins with `bytes` (all of it when they
// are as long); `buffer` is scratch space. A file changed or removed since it was written no
// longer does.
bool FileBegins(FileSystem& fileSystem, const std::string& path, std::int64_t length,
                std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& buffer);

class DistinctItems {
  public:
    explicit DistinctItems(FileSystem& fileSystem) : fileSystem_(fileSystem) {}

    // A new run: nothing written before counts.
    void Clear() noexcept { byDigest_.clear(); }

    // The file written in this run whose bytes are `bytes`, if there is one.
    std::optional<std::string> Earlier(std::span<const std::uint8_t> bytes);
    void Remember(std::span<const std::uint8_t> bytes, const std::string& path);

  private:
    FileSystem& fileSystem_;
    std::unordered_map<std::uint64_t, std::vector<std::string>> byDigest_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace morvane
