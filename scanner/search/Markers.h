// The end markers and inner marks that the recognisers look for after a signature.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "ByteSearch.h"

namespace morvane {

// Markers searched over the whole look-ahead; the engine keeps one cursor for each.
enum class Marker { GifEnd, PngEnd, JpegScan, JpegEnd, MidiTrack, MidiEndOfTrack };
inline constexpr std::size_t kMarkerCount = 6;

namespace markers {
inline constexpr std::uint8_t kGifEnd[] = {0x00, 0x3B};
inline constexpr std::uint8_t kPngEnd[] = {'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
inline constexpr std::uint8_t kJpegScan[] = {0xFF, 0xDA};
inline constexpr std::uint8_t kJpegEnd[] = {0xFF, 0xD9, 0x00, 0x00};
inline constexpr std::uint8_t kMidiTrack[] = {'M', 'T', 'r', 'k', 0x00, 0x00};
inline constexpr std::uint8_t kMidiEndOfTrack[] = {0x00, 0x00, 0xFF, 0x2F, 0x00};
// Marks looked for only near the start of an item.
inline constexpr std::uint8_t kBitmapHeaderMark[] = {0x00, 0x00, 0x28, 0x00};
inline constexpr std::uint8_t kJfif[] = {'J', 'F', 'I', 'F'};
}  // namespace markers

inline const Needle& MarkerNeedle(Marker marker) noexcept {
    static const std::array<Needle, kMarkerCount> needles = {{
        {markers::kGifEnd, 1},
        {markers::kPngEnd, 7},
        {markers::kJpegScan, 1},
        {markers::kJpegEnd, 1},
        {markers::kMidiTrack, 2},
        {markers::kMidiEndOfTrack, 3},
    }};
    return needles[static_cast<std::size_t>(marker)];
}

}  // namespace morvane
