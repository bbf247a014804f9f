// A compressed run of bytes in a source, read out front to back: raw LZMA with its five
// properties bytes in front, raw deflate, or bytes stored as they are. NSIS installers keep
// their data in these.
#pragma once

#include <cstdint>
#include <memory>

#include "FileSystem.h"

namespace morvane {

enum class PackMethod { Stored, Lzma, Deflate };

class PackedStream {
  public:
    virtual ~PackedStream() = default;
    // Up to `count` unpacked bytes; none at the stream's end. A stream without an end marker
    // ends where its packed bytes do.
    virtual ReadResult Read(std::uint8_t* into, std::size_t count) = 0;
};

// Whether this build has the LZMA and deflate decoders.
bool PackedStreamsReadable() noexcept;

// The stream packed in [begin, end) of `source`; none when its header cannot be read.
std::unique_ptr<PackedStream> OpenPackedStream(PackMethod method, SourceFile& source,
                                               std::int64_t begin, std::int64_t end);

// Reads until `count` bytes or the stream's end; returns how many came.
std::size_t ReadFully(PackedStream& stream, std::uint8_t* into, std::size_t count,
                      std::error_code& error);

}  // namespace morvane
