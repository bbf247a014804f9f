// Where a container may start in a source, and which reader is to try it.
#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

enum class ContainerFormat {
    Zip,     // at a local file header
    ZipEnd,  // at an end-of-central-directory record, for zips whose start was not found
    SevenZip,
    Cabinet,
    Rar,
    Iso,  // 32 KiB before its primary volume descriptor
    Tar,
    Cpio,
    Gzip,
    Bzip2,
    Xz,
    Zstd,
    Lzma,
    CompoundFile,
    Nsis,  // at the first header of its data block, four bytes before "\xEF\xBE\xAD\xDE"
};

struct ContainerCandidate {
    std::int64_t offset;
    ContainerFormat format;
    bool operator==(const ContainerCandidate&) const = default;
};

// The candidates a source's search found on its way through the source's first `end` bytes, in
// the order they were found there, as FindContainers would have. With `end` -1 none were looked
// for (or the search did not reach them all), and the walk looks for them itself.
struct FoundContainers {
    std::vector<ContainerCandidate> candidates;
    std::int64_t end = -1;
};

}  // namespace morvane
