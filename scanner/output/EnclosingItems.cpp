#include "EnclosingItems.h"

#include "DistinctItems.h"

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
    for (std::int64_t size = fileSize; size <= fileSize + kMostAddedBytes; ++size) {
        const auto sized = enclosing.find(size);
        if (sized == enclosing.end()) continue;
        for (Held& held : sized->second) {
            if (held.matched || !FileBegins(fileSystem_, held.path, size, bytes, buffer_)) continue;
            held.matched = true;
            return held.path;
        }
    }
    return std::nullopt;
}

}  // namespace morvane
