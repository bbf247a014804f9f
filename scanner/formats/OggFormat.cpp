// Ogg streams: walks the pages (each header, segment table and body, its CRC-32 checked) from a
// first page that begins a stream, following every logical stream by its serial number and page
// sequence; the item ends with the page that ends the last stream still open, so a multiplexed
// file (video and sound together) is one item.
#include "OggFormat.h"

#include <array>

namespace morvane {

namespace {
constexpr std::int64_t kPageHeader = 27;
constexpr std::uint32_t kBeginsStream = 0x02, kEndsStream = 0x04;
constexpr int kMaxStreams = 32;
constexpr std::int64_t kMaxPages = 1 << 24;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n << 24;
        for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? c << 1 ^ 0x04C11DB7u : c << 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

// The page's CRC, its own field counted as zeros.
std::uint32_t PageCrc(const std::uint8_t* page, std::int64_t size) noexcept {
    std::uint32_t c = 0;
    for (std::int64_t i = 0; i < size; ++i) {
        const std::uint8_t byte = i >= 22 && i < 26 ? 0 : page[i];
        c = c << 8 ^ kCrcTable[(c >> 24 ^ byte) & 0xFF];
    }
    return c;
}

// The page at `at`: its whole size when its header is sound and its CRC holds, else 0.
std::int64_t PageSize(const ItemView& item, std::int64_t at) noexcept {
    const auto segments = item.U8(at + 26);
    if (!item.Matches(at, "OggS") || item.U8(at + 4) != 0u || !segments) return 0;
    if (!item.Has(at + kPageHeader, *segments)) return 0;
    std::int64_t size = kPageHeader + *segments;
    for (std::uint32_t i = 0; i < *segments; ++i) size += item.data()[at + kPageHeader + i];
    if (!item.Has(at, size) || item.U32(at + 22) != PageCrc(item.data() + at, size)) return 0;
    return size;
}

struct Stream {
    std::uint32_t serial = 0;
    std::uint32_t nextSequence = 0;
    bool ended = false;
};

struct Streams {
    std::array<Stream, kMaxStreams> list{};
    int count = 0;
    int open = 0;

    Stream* Find(std::uint32_t serial) noexcept {
        for (int i = 0; i < count; ++i)
            if (list[i].serial == serial) return &list[i];
        return nullptr;
    }
    // Takes in one page's header fields; false when the page does not fit the streams so far.
    bool Take(std::uint32_t type, std::uint32_t serial, std::uint32_t sequence) noexcept {
        Stream* stream = Find(serial);
        if (type & kBeginsStream) {
            if (stream != nullptr || count == kMaxStreams) return false;
            stream = &list[count++];
            *stream = {serial, sequence, false};
            ++open;
        }
        if (stream == nullptr || stream->ended || sequence != stream->nextSequence) return false;
        ++stream->nextSequence;
        if (type & kEndsStream) {
            stream->ended = true;
            --open;
        }
        return true;
    }
};
}  // namespace

std::int64_t CheckOgg(const ItemView& item) noexcept {
    if (!(item.U8(5).value_or(0) & kBeginsStream)) return 0;
    Streams streams;
    std::int64_t at = 0;
    for (std::int64_t page = 0; page < kMaxPages; ++page) {
        const std::int64_t size = PageSize(item, at);
        if (size == 0) return 0;
        const auto type = item.U8(at + 5), serial = item.U32(at + 14), sequence = item.U32(at + 18);
        if (!type || !serial || !sequence || !streams.Take(*type, *serial, *sequence)) return 0;
        at += size;
        if (streams.open == 0) return at;
    }
    return 0;
}

}  // namespace morvane
