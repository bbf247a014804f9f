// The containers libarchive reads: zip and the documents and packages built on it, 7z, cabinets,
// RAR, ISO 9660, tar, cpio, and single gzip, bzip2, xz, zstd and LZMA streams.
#pragma once

#include <memory>

#include "containers/ContainerReader.h"

namespace morvane {

// Whether this build has libarchive.
bool ArchivesReadable() noexcept;

// The archive at the candidate, or none when libarchive does not take it (or is missing);
// `empty` tells an archive without entries from bytes that are no archive.
std::unique_ptr<ContainerReader> OpenArchive(SourceFile& source, std::int64_t length,
                                             const ContainerCandidate& candidate, bool& empty);

}  // namespace morvane
