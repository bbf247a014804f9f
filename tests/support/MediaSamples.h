// Small, well-formed media files built in code, for planting inside test sources.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text);
void Append(Bytes& to, const Bytes& more);
void PutLE16(Bytes& to, std::uint32_t value);
void PutLE32(Bytes& to, std::uint32_t value);

// A 1x1 GIF89a whose only "00 3B" is its last two bytes.
Bytes MakeGif();
// A w x h 24-bit PNG with real CRCs, ending with IEND.
Bytes MakePng(int width = 2, int height = 2);
// A w x h 24-bit Windows bitmap with a 40-byte information header.
Bytes MakeBmp(int width = 2, int height = 2);
// A one-image 32x32 256-colour icon file (2238 bytes; the image is 2216).
Bytes MakeIcon32();
// A bare 32x32 icon image (40-byte header, colour table, colour bits, mask) of `bits` per pixel.
Bytes MakeIconImage32(int bits);
// An icon file of two images: a 32x32 32-bit bitmap, then a 16x16 PNG.
Bytes MakeTwoImageIcon();
// A one-image 32x32 cursor file with the same image.
Bytes MakeCursor32();
// A JFIF-marked JPEG skeleton: SOI, APP0, DQT-free header, SOS, scan data, EOI.
Bytes MakeJpeg();
// "RIFF", the size of what follows, the form and the payload.
Bytes MakeRiff(std::string_view form, const Bytes& payload);
// A format-1 MIDI file with `tracks` adjacent tracks, each ending with an end-of-track event.
Bytes MakeMidi(int tracks);
// Deterministic pseudo-random bytes that hold no signature byte pattern by construction:
// every byte is in 0xA0..0xBF, a range no signature or marker uses.
Bytes Filler(std::size_t size, std::uint32_t seed = 1);

}  // namespace morvane::test
