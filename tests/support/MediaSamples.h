// Small, well-formed media files built in code, for planting inside test sources.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text);
void Append(Bytes& to, const Bytes& more);
Bytes Compose(std::initializer_list<Bytes> parts);  // the parts one after the other
void PutLE16(Bytes& to, std::uint32_t value);
void PutLE32(Bytes& to, std::uint32_t value);

Bytes MakeGif();                               // 1x1; its only "00 3B" is its last two bytes
Bytes MakePng(int width = 2, int height = 2);  // 24-bit, real CRCs, ending with IEND
Bytes MakeBmp(int width = 2, int height = 2);  // 24-bit, 40-byte information header
// A bare 32x32 icon image (40-byte header, colour table, colour bits, mask) of `bits` per pixel.
Bytes MakeIconImage32(int bits);
// An icon (type 1) or cursor (2) file whose directory names `images`, stored in order after it.
Bytes MakeIconFile(int type, const std::vector<Bytes>& images);
Bytes MakeIcon32();    // one 8-bit 32x32 image: 2238 bytes, the image 2216
Bytes MakeCursor32();  // the same image, hot spot 3, 4
// SOI, APP0 (JFIF), a frame header without tables, SOS, scan data, EOI.
Bytes MakeJpeg();
// A marker segment: the marker, its length (which counts itself) and its payload.
Bytes JpegSegment(std::uint8_t marker, const Bytes& payload);
// A JPEG of SOI and APP0 first (MakeJpeg's) with the quantisation table every decoder needs
// after them.
Bytes WithTables(const Bytes& jpeg);
// A RIFF chunk: its id, its size, its body and the pad byte an odd body takes.
Bytes RiffChunk(std::string_view id, const Bytes& body);
// SOI, an Exif APP1 segment holding a whole thumbnail, the tables, a frame, SOS, `dataBytes` of
// scan data, EOI.
Bytes MakeExifJpeg(std::size_t dataBytes);
Bytes MakeRiff(std::string_view form, const Bytes& payload);
// An animated cursor: "ACON" with its "anih" header and a "LIST" "fram" of one "icon" chunk per
// frame, each frame an icon or cursor file.
Bytes MakeAni(const std::vector<Bytes>& frames);
Bytes MakeMidi(int tracks);  // format 1, each track ending with an end-of-track event
// Deterministic bytes in 0xA0..0xBF, a range no signature or marker uses.
Bytes Filler(std::size_t size, std::uint32_t seed = 1);

}  // namespace morvane::test
