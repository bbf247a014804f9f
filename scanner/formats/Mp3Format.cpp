// MP3 sounds: an optional ID3v2 tag, then MPEG audio frames (Layers II and III of MPEG-1, 2 and
// 2.5) walked header by header while version, layer and sample rate stay those of the first, then
// the optional APEv2, Lyrics3 v2 and ID3v1 tags. The item is the tag and the run of whole frames:
// a frame the view cuts is left out, so the walk ends at the last whole one.
#include "Mp3Format.h"

namespace morvane {

namespace {
constexpr std::int64_t kId3v2Header = 10, kId3v1Size = 128, kApeHeader = 32;
constexpr int kFramesWithoutTag = 4, kFramesWithTag = 2;
constexpr std::int64_t kMaxZeroPadding = 1 << 20;

constexpr std::uint16_t kBitRates[3][15] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},  // MPEG-1 Layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},   // MPEG-1 Layer III
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},       // MPEG-2 and 2.5
};
constexpr std::uint32_t kSampleRates[3] = {44100, 48000, 32000};  // MPEG-1; halved, quartered

struct FrameHeader {
    std::uint32_t kind = 0;  // version, layer and sample rate bits: what every frame must share
    std::int64_t size = 0;
};

// The frame header at `at`, or a zero size when there is none there.
FrameHeader ReadFrame(const ItemView& item, std::int64_t at) noexcept {
    const auto b0 = item.U8(at), b1 = item.U8(at + 1), b2 = item.U8(at + 2);
    if (!b0 || !b1 || !b2 || *b0 != 0xFF || (*b1 & 0xE0) != 0xE0) return {};
    const std::uint32_t version = *b1 >> 3 & 3, layer = *b1 >> 1 & 3;  // layer: 2 is II, 1 is III
    const std::uint32_t rateIndex = *b2 >> 4, sampleIndex = *b2 >> 2 & 3;
    if (version == 1 || layer == 0 || layer == 3 || rateIndex == 0 || rateIndex == 15 ||
        sampleIndex == 3)
        return {};
    const bool mpeg1 = version == 3;
    const int table = mpeg1 ? (layer == 2 ? 0 : 1) : 2;
    const std::uint32_t rate = kSampleRates[sampleIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const std::int64_t factor = layer == 1 && !mpeg1 ? 72000 : 144000;
    const std::int64_t size = factor * kBitRates[table][rateIndex] / rate + (*b2 >> 1 & 1);
    return {(*b1 & 0x1E) | sampleIndex << 8, size};
}

// A sync-safe number of four bytes at `at` (each below 0x80), or -1.
std::int64_t SyncSafe(const ItemView& item, std::int64_t at) noexcept {
    std::int64_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = item.U8(at + i);
        if (!byte || *byte >= 0x80) return -1;
        value = value << 7 | *byte;
    }
    return value;
}

// The ID3v2 tag at the start: its size with the zero padding after it, 0 when there is none,
// -1 when one starts but is broken.
std::int64_t Id3v2Size(const ItemView& item) noexcept {
    if (!item.Matches(0, "ID3")) return 0;
    const auto major = item.U8(3), revision = item.U8(4), flags = item.U8(5);
    const std::int64_t size = SyncSafe(item, 6);
    if (!major || *major < 2 || *major > 4 || revision == 0xFFu || !flags || size < 0) return -1;
    std::int64_t end = kId3v2Header + size + (*major == 4 && (*flags & 0x10) ? 10 : 0);
    if (!item.Has(0, end)) return -1;
    for (std::int64_t n = 0; n < kMaxZeroPadding && item.U8(end) == 0u; ++n) ++end;
    return end;
}

// Decimal digits at `at`: their value, or -1.
std::int64_t Digits(const ItemView& item, std::int64_t at, int count) noexcept {
    std::int64_t value = 0;
    for (int i = 0; i < count; ++i) {
        const auto byte = item.U8(at + i);
        if (!byte || *byte < '0' || *byte > '9') return -1;
        value = value * 10 + (*byte - '0');
    }
    return value;
}

// A Lyrics3 v2 tag at `at`: its fields walked to the size and "LYRICS200" that close it; the
// offset after it, or 0.
std::int64_t Lyrics3End(const ItemView& item, std::int64_t at) noexcept {
    if (!item.Matches(at, "LYRICSBEGIN")) return 0;
    std::int64_t field = at + 11;
    for (int n = 0; n < 64; ++n) {
        if (item.Matches(field + 6, "LYRICS200"))
            return Digits(item, field, 6) == field - at ? field + 15 : 0;
        const std::int64_t size = Digits(item, field + 3, 5);
        if (size < 0 || !item.Has(field, 8 + size)) return 0;
        field += 8 + size;
    }
    return 0;
}

// An APEv2 tag that starts with its header at `at`: the offset after its footer, or 0.
std::int64_t ApeEnd(const ItemView& item, std::int64_t at) noexcept {
    const auto size = item.U32(at + 12);
    const auto flags = item.U32(at + 20);
    if (!item.Matches(at, "APETAGEX") || !size || !flags || !(*flags & 1u << 29)) return 0;
    const std::int64_t end = at + kApeHeader + *size;
    if (*size < kApeHeader || !item.Matches(end - kApeHeader, "APETAGEX")) return 0;
    return end;
}

// The tags after the frames, in the order they are written: the offset after the last.
std::int64_t TrailingTags(const ItemView& item, std::int64_t at) noexcept {
    if (const std::int64_t end = ApeEnd(item, at)) at = end;
    if (const std::int64_t end = Lyrics3End(item, at)) at = end;
    if (item.Matches(at, "TAG") && item.Has(at, kId3v1Size)) at += kId3v1Size;
    return at;
}
}  // namespace

std::int64_t CheckMp3(const ItemView& item) noexcept {
    const std::int64_t tag = Id3v2Size(item);
    if (tag < 0) return 0;
    const FrameHeader first = ReadFrame(item, tag);
    std::int64_t at = tag;
    int frames = 0;
    for (FrameHeader frame = first; frame.size > 0 && frame.kind == first.kind;
         frame = ReadFrame(item, at)) {
        if (!item.Has(at, frame.size)) break;
        at += frame.size;
        ++frames;
    }
    if (frames < (tag > 0 ? kFramesWithTag : kFramesWithoutTag)) return 0;
    return TrailingTags(item, at);
}

}  // namespace morvane
