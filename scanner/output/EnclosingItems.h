// The items of the data that encloses a container's entry. A file stored in a container without
// compression (any tar entry, a zip entry "stored") lies in the container's bytes as it is, so
// the search of the container has carved its items already; the same items found again in the
// entry are not written twice. An item counts as found again only when an item of the enclosing
// data not matched before has exactly its bytes, so two equal pictures stored twice are both kept.
// An entry's items are measured by their structure; where the enclosing data was searched by the
// size rules, its copy may have a few bytes more (the byte those rules take past a picture's
// end marker, and the line break written after each item).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "FileSystem.h"

namespace morvane {

class EnclosingItems {
  public:
    explicit EnclosingItems(FileSystem& fileSystem) : fileSystem_(fileSystem) {}

    // The data at `depth` is searched next (0: the source, 1: an entry of it, 2: an entry of that
    // entry): what was held for `depth` and deeper is forgotten.
    void BeginLevel(std::size_t depth);
    // An item of the data at `depth`, whose file at `path` holds its bytes.
    void Hold(std::size_t depth, const std::string& path, std::int64_t fileSize);
    // The file of an item of the data enclosing `depth`, not matched before, that is `fileSize`
    // bytes long, or up to kMostAddedBytes more, and begins with `bytes`; it is matched now. An
    // item that runs past the end of its entry is cut there, while the enclosing data's copy goes
    // on: the caller gives the bytes both have, and the size the whole item's file has.
    std::optional<std::string> Echo(std::size_t depth, std::span<const std::uint8_t> bytes,
                                    std::int64_t fileSize);

    static constexpr std::int64_t kMostAddedBytes = 3;

  private:
    struct Held {
        std::string path;
        bool matched = false;
    };
    using Level = std::unordered_map<std::int64_t, std::vector<Held>>;  // by file size

    FileSystem& fileSystem_;
    std::vector<Level> levels_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace morvane
