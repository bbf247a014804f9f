// Finds where containers may start in a source: their signatures at any offset, and the few
// formats that have no signature worth searching for (cpio, LZMA) at the very start only.
#pragma once

#include <cstdint>
#include <span>
#include <system_error>
#include <vector>

#include "FileSystem.h"
#include "containers/ContainerCandidate.h"

namespace morvane {

// At most this many candidates are taken from one source.
inline constexpr std::size_t kCandidateLimit = 100000;

// The longest look at the bytes after a signature's first byte.
inline constexpr std::size_t kCandidateLookAhead = 32;

// The candidates whose signature starts in bytes[0, searched) (the rest of `bytes` is look-ahead),
// `bytes` lying at `base` in the source; appended to `out` in offset order.
void FindCandidates(std::span<const std::uint8_t> bytes, std::size_t searched, std::int64_t base,
                    std::vector<ContainerCandidate>& out);

// The same, with the formats found only at a source's start when `base` is 0: the candidates of
// one piece of a source, `bytes` holding it and up to kCandidateLookAhead bytes after it, but none
// past the end of what is searched.
void FindPieceCandidates(std::span<const std::uint8_t> bytes, std::size_t searched,
                         std::int64_t base, std::vector<ContainerCandidate>& out);
// Appends the candidates of the next piece to those of the pieces before it, up to the limit.
void AddCandidates(std::vector<ContainerCandidate>& all,
                   const std::vector<ContainerCandidate>& piece);
// Puts the candidates of a whole source, as its pieces gave them, in offset order.
void OrderCandidates(std::vector<ContainerCandidate>& all);

// Every candidate of the source, in offset order; a read failure ends the search with those
// found so far and is returned.
std::error_code FindContainers(SourceFile& source, std::int64_t length,
                               std::vector<ContainerCandidate>& out);

}  // namespace morvane
