#include "DistinctItems.h"

#include <algorithm>

namespace morvane {

namespace {
// FNV-1a over the bytes, then their count mixed in.
std::uint64_t Digest(std::span<const std::uint8_t> bytes) noexcept {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const std::uint8_t byte : bytes) hash = (hash ^ byte) * 0x100000001B3ULL;
    return hash ^ (bytes.size() * 0x9E3779B97F4A7C15ULL);
}
}  // namespace

std::optional<std::string> DistinctItems::Earlier(std::span<const std::uint8_t> bytes) {
    const auto found = byDigest_.find(Digest(bytes));
    if (found == byDigest_.end()) return std::nullopt;
    for (const std::string& path : found->second)
        if (FileBegins(fileSystem_, path, static_cast<std::int64_t>(bytes.size()), bytes, buffer_))
            return path;
    return std::nullopt;
}

void DistinctItems::Remember(std::span<const std::uint8_t> bytes, const std::string& path) {
    std::vector<std::string>& paths = byDigest_[Digest(bytes)];
    if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
}

bool FileBegins(FileSystem& fileSystem, const std::string& path, std::int64_t length,
                std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& buffer) {
    std::error_code error;
    const std::unique_ptr<SourceFile> file = fileSystem.OpenSource(path, error);
    if (!file || file->Length() != length) return false;
    buffer.resize(bytes.size());
    const ReadResult read = file->ReadAt(0, buffer.data(), buffer.size());
    return !read.error && read.bytes == bytes.size() &&
           std::equal(bytes.begin(), bytes.end(), buffer.begin());
}

}  // namespace morvane
