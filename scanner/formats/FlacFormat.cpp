// FLAC sounds: walks the metadata blocks from STREAMINFO to the last one, then the frames. Frames
// carry no length, so the walk goes on byte by byte with the running CRC-16 of the current frame:
// the frame ends where that CRC holds and a valid frame header (its CRC-8 holding) follows, or,
// for the last frame of a stream whose total samples STREAMINFO gives, where the CRC first holds.
// With no total given, the stream ends with the last frame whose CRC-16 holds.
#include "FlacFormat.h"

#include <array>

namespace morvane {

namespace {
constexpr std::int64_t kStreamInfoLength = 34;
constexpr std::int64_t kLargestFrame = std::int64_t{1} << 24;  // when STREAMINFO gives none

template <std::uint32_t Poly, int Bits>
constexpr std::array<std::uint16_t, 256> MakeCrcTable() {
    std::array<std::uint16_t, 256> table{};
    constexpr std::uint32_t top = 1u << (Bits - 1), mask = (1u << Bits) - 1;
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n << (Bits - 8);
        for (int k = 0; k < 8; ++k) c = ((c & top) ? c << 1 ^ Poly : c << 1) & mask;
        table[n] = static_cast<std::uint16_t>(c);
    }
    return table;
}
constexpr auto kCrc8 = MakeCrcTable<0x07, 8>();
constexpr auto kCrc16 = MakeCrcTable<0x8005, 16>();

std::uint32_t Crc8(const std::uint8_t* bytes, std::int64_t count) noexcept {
    std::uint32_t c = 0;
    for (std::int64_t i = 0; i < count; ++i) c = kCrc8[c ^ bytes[i]];
    return c;
}
std::uint32_t Crc16Step(std::uint32_t c, std::uint8_t byte) noexcept {
    return (c << 8 ^ kCrc16[(c >> 8 ^ byte) & 0xFF]) & 0xFFFF;
}

struct StreamInfo {
    std::int64_t minFrame = 0, maxFrame = 0;  // 0: not known
    std::uint32_t channels = 0;
    std::int64_t totalSamples = 0;  // 0: not known
};

struct Frame {
    std::int64_t headerSize = 0;  // 0: no valid frame header
    std::int64_t blockSize = 0;
};

// The frame header at `at`, checked against the stream and its own CRC-8.
Frame ReadFrameHeader(const ItemView& item, std::int64_t at, const StreamInfo& info) noexcept {
    const auto sync = item.U16Big(at), codes = item.U8(at + 2), format = item.U8(at + 3);
    if (!sync || (*sync & 0xFFFE) != 0xFFF8 || !codes || !format) return {};
    const std::uint32_t sizeCode = *codes >> 4, rateCode = *codes & 15, channels = *format >> 4;
    if (sizeCode == 0 || rateCode == 15 || channels > 10 || (*format & 0x0E) == 0x06 ||
        (*format & 1) != 0)
        return {};
    if ((channels < 8 ? channels + 1 : 2) != info.channels) return {};
    std::int64_t p = at + 4;
    const auto lead = item.U8(p);
    if (!lead || (*lead & 0xC0) == 0x80 || *lead == 0xFF) return {};
    int following = 0;  // the coded number's bytes after its first: one less than its lead ones
    while (*lead >= 0x80 && following < 6 && (*lead << following & 0x40)) ++following;
    if (*lead >= 0x80 && following == 0) return {};
    for (int i = 1; i <= following; ++i)
        if ((item.U8(p + i).value_or(0) & 0xC0) != 0x80) return {};
    p += 1 + following;
    std::int64_t block = sizeCode == 1 ? 192 : 0;
    if (sizeCode >= 2 && sizeCode <= 5) block = 576 << (sizeCode - 2);
    if (sizeCode >= 8) block = 256 << (sizeCode - 8);
    if (sizeCode == 6 || sizeCode == 7) {
        const auto value = sizeCode == 6 ? item.U8(p) : item.U16Big(p);
        if (!value) return {};
        block = *value + 1;
        p += sizeCode == 6 ? 1 : 2;
    }
    p += rateCode == 12 ? 1 : rateCode >= 13 ? 2 : 0;
    const auto crc = item.U8(p);
    if (!crc || Crc8(item.data() + at, p - at) != *crc) return {};
    return {p + 1 - at, block};
}

// The metadata blocks after "fLaC": the offset of the first frame, or 0.
std::int64_t ReadMetadata(const ItemView& item, StreamInfo& info) noexcept {
    if (!item.Matches(0, "fLaC") || (item.U8(4).value_or(0xFF) & 0x7F) != 0) return 0;
    if (item.U32Big(4).value_or(0) % 0x1000000 != kStreamInfoLength) return 0;
    const auto minFrame = item.U32Big(11), maxFrame = item.U32Big(14);
    const auto packed = item.U32Big(18), samples = item.U32Big(22);
    if (!minFrame || !maxFrame || !packed || !samples) return 0;
    info.minFrame = *minFrame >> 8;
    info.maxFrame = *maxFrame >> 8;
    info.channels = (*packed >> 9 & 7) + 1;
    info.totalSamples = std::int64_t{*packed & 15} << 32 | *samples;
    std::int64_t at = 4;
    while (true) {
        const auto header = item.U32Big(at);
        if (!header || (*header >> 24 & 0x7F) == 0x7F) return 0;
        if (at > 4 && (*header >> 24 & 0x7F) == 0) return 0;  // one STREAMINFO, first
        const std::int64_t next = at + 4 + (*header & 0xFFFFFF);
        if (!item.Has(at, next - at)) return 0;
        at = next;
        if (*header & 0x80000000u) return at;
    }
}

// From the frame at `at` with a header of `headerSize`: where it ends (its CRC-16 holding) and
// the next frame begins, or where it ends as the last frame when `last`; 0 when neither is seen.
// `firstEnd` receives the first place its CRC-16 holds, for a stream that ends unannounced.
std::int64_t FrameEnd(const ItemView& item, std::int64_t at, const StreamInfo& info, bool last,
                      std::int64_t& firstEnd, Frame& next) noexcept {
    const std::int64_t largest = info.maxFrame > 0 ? info.maxFrame : kLargestFrame;
    const std::int64_t limit = item.size() - at < largest ? item.size() - at : largest;
    const std::uint8_t* bytes = item.data() + at;
    std::uint32_t crc = 0;
    firstEnd = 0;
    for (std::int64_t n = 0; n < limit; ++n) {
        crc = Crc16Step(crc, bytes[n]);
        if (crc != 0 || n + 1 < info.minFrame || n < 6) continue;
        if (firstEnd == 0) firstEnd = at + n + 1;
        if (last) return at + n + 1;
        next = ReadFrameHeader(item, at + n + 1, info);
        if (next.headerSize > 0) return at + n + 1;
    }
    return 0;
}
}  // namespace

std::int64_t CheckFlac(const ItemView& item) noexcept {
    StreamInfo info;
    std::int64_t at = ReadMetadata(item, info);
    if (at == 0) return 0;
    Frame frame = ReadFrameHeader(item, at, info);
    if (frame.headerSize == 0) return 0;
    std::int64_t samples = 0, lastWhole = 0;
    while (true) {
        samples += frame.blockSize;
        const bool last = info.totalSamples > 0 && samples >= info.totalSamples;
        std::int64_t firstEnd = 0;
        Frame next;
        const std::int64_t end = FrameEnd(item, at, info, last, firstEnd, next);
        if (end == 0) {
            // The view or the frames give out: without a total, the last frame is as far as
            // its CRC-16 first holds.
            if (info.totalSamples == 0 && firstEnd > 0) return firstEnd;
            return lastWhole;
        }
        if (last) return end;
        lastWhole = end;
        at = end;
        frame = next;
    }
}

}  // namespace morvane
