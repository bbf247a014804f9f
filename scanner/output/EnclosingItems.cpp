#include "EnclosingItems.h"

#include <algorithm>

namespace morvane {

void EnclosingItems::BeginLevel(std::size_t depth) {
    levels_.resize(depth + 1);
    levels_[depth].clear();
}

void EnclosingItems::Hold(std::size_t depth, const std::string& path, std::int64_t fileSize) {
    if (depth >= levels_.size()) levels_.resize(depth + 1);
    levels_[depth][fileSize].push_back({path});
}

std::optional<std::string> EnclosingItems::Echo(std::size_t depth,
                                                std::span<const std::uint8_t> bytes,
                                                std::int64_t fileSize) {
    if (depth == 0 || depth > levels_.size()) return std::nullopt;
    Level& enclosing = levels_[depth - 1];
    const auto sized = enclosing.find(fileSize);
    if (sized == enclosing.end()) return std::nullopt;
    for (Held& held : sized->second) {
        if (held.matched || !Begins(held.path, bytes)) continue;
        held.matched = true;
        return held.path;
    }
    return std::nullopt;
}

// A file changed or removed since it was written no longer does.
bool EnclosingItems::Begins(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    const std::unique_ptr<SourceFile> file = fileSystem_.OpenSource(path, error);
    if (!file) return false;
    buffer_.resize(bytes.size());
    const ReadResult read = file->ReadAt(0, buffer_.data(), buffer_.size());
    return !read.error && read.bytes == bytes.size() &&
           std::equal(bytes.begin(), bytes.end(), buffer_.begin());
}

}  // namespace morvane
