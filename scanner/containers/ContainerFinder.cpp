#include "containers/ContainerFinder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "PairFilter.h"

namespace morvane {

namespace {
constexpr std::size_t kPiece = 1024 * 1024;
// Where signatures found inside a container lie from its start.
constexpr std::int64_t kIsoDescriptorAt = 0x8000;
constexpr std::int64_t kTarMagicAt = 257;

bool Has(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view text) {
    return at + text.size() <= bytes.size() &&
           std::memcmp(bytes.data() + at, text.data(), text.size()) == 0;
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 4 > bytes.size()) return 0;
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The first two bytes of every signature below, each pair in a bucket of the vector filter: the
// pairs common in text have one each, the others share where their nibbles combine into few pairs
// that are common anywhere.
struct FirstPair {
    std::uint8_t first, second;
    int bucket;
};
constexpr FirstPair kFirstPairs[] = {{'u', 's', 0},   {'R', 'a', 1},   {'M', 'S', 2},
                                     {'B', 'Z', 3},   {'7', 'z', 4},   {0x01, 'C', 5},
                                     {0xFD, '7', 5},  {'P', 'K', 6},   {0xD0, 0xCF, 6},
                                     {0x1F, 0x8B, 7}, {0x28, 0xB5, 7}, {0xEF, 0xBE, 7}};

constexpr PairTables kPairTables = [] {
    PairTables tables{};
    for (const FirstPair& pair : kFirstPairs) {
        const auto bit = static_cast<std::uint8_t>(1u << pair.bucket);
        tables.low[0][pair.first & 15] |= bit;
        tables.high[0][pair.first >> 4] |= bit;
        tables.low[1][pair.second & 15] |= bit;
        tables.high[1][pair.second >> 4] |= bit;
    }
    return tables;
}();

// The pairs themselves, a bit each: the filter passes others too.
constexpr std::array<std::uint64_t, 65536 / 64> kPairBits = [] {
    std::array<std::uint64_t, 65536 / 64> bits{};
    for (const FirstPair& pair : kFirstPairs) {
        const unsigned word = pair.first << 8 | pair.second;
        bits[word / 64] |= std::uint64_t{1} << (word % 64);
    }
    return bits;
}();

bool StartsPair(std::span<const std::uint8_t> bytes, std::size_t at) {
    const unsigned word = bytes[at] << 8 | bytes[at + 1];
    return (kPairBits[word / 64] >> (word % 64) & 1) != 0;
}

// The bytes that can begin a signature.
constexpr std::array<bool, 256> kFirstBytes = [] {
    std::array<bool, 256> first{};
    for (const FirstPair& pair : kFirstPairs) first[pair.first] = true;
    return first;
}();

// The candidate whose signature starts at `at`, with its offset from `base`; none is -1.
ContainerCandidate Recognise(std::span<const std::uint8_t> b, std::size_t at, std::int64_t base) {
    const std::int64_t here = base + static_cast<std::int64_t>(at);
    constexpr ContainerCandidate kNone{-1, ContainerFormat::Zip};
    switch (b[at]) {
        case 'P':
            if (Has(b, at, "PK\x03\x04")) return {here, ContainerFormat::Zip};
            if (Has(b, at, "PK\x05\x06")) {
                const std::int64_t start = here - Le32(b, at + 12) - Le32(b, at + 16);
                return start >= 0 ? ContainerCandidate{start, ContainerFormat::ZipEnd} : kNone;
            }
            return kNone;
        case '7':
            return Has(b, at, "7z\xBC\xAF\x27\x1C")
                       ? ContainerCandidate{here, ContainerFormat::SevenZip}
                       : kNone;
        case 'M':
            return Has(b, at, std::string_view("MSCF\0\0\0\0", 8))
                       ? ContainerCandidate{here, ContainerFormat::Cabinet}
                       : kNone;
        case 'R':
            return Has(b, at, "Rar!\x1A\x07") ? ContainerCandidate{here, ContainerFormat::Rar}
                                              : kNone;
        case 0x01:
            return Has(b, at,
                       "\x01"
                       "CD001\x01") &&
                           here >= kIsoDescriptorAt
                       ? ContainerCandidate{here - kIsoDescriptorAt, ContainerFormat::Iso}
                       : kNone;
        case 'u':
            return (Has(b, at, std::string_view("ustar\0", 6)) || Has(b, at, "ustar  ")) &&
                           here >= kTarMagicAt
                       ? ContainerCandidate{here - kTarMagicAt, ContainerFormat::Tar}
                       : kNone;
        case 0x1F:  // deflate, and no reserved flag set
            return Has(b, at, "\x1F\x8B\x08") && at + 3 < b.size() && (b[at + 3] & 0xE0) == 0
                       ? ContainerCandidate{here, ContainerFormat::Gzip}
                       : kNone;
        case 'B':  // the stream header, a block size digit, then the first block's magic
            return Has(b, at, "BZh") && at + 3 < b.size() && b[at + 3] >= '1' && b[at + 3] <= '9' &&
                           Has(b, at + 4, "\x31\x41\x59\x26\x53\x59")
                       ? ContainerCandidate{here, ContainerFormat::Bzip2}
                       : kNone;
        case 0xFD:
            return Has(b, at,
                       std::string_view("\xFD"
                                        "7zXZ\0",
                                        6))
                       ? ContainerCandidate{here, ContainerFormat::Xz}
                       : kNone;
        case 0x28:  // the frame header's reserved bit is clear
            return Has(b, at, "\x28\xB5\x2F\xFD") && at + 4 < b.size() && (b[at + 4] & 0x08) == 0
                       ? ContainerCandidate{here, ContainerFormat::Zstd}
                       : kNone;
        case 0xD0:
            return Has(b, at, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")
                       ? ContainerCandidate{here, ContainerFormat::CompoundFile}
                       : kNone;
        case 0xEF:  // the first header's flags come four bytes before its signature
            return Has(b, at, "\xEF\xBE\xAD\xDENullsoftInst") && here >= 4
                       ? ContainerCandidate{here - 4, ContainerFormat::Nsis}
                       : kNone;
        default:
            return kNone;
    }
}

// Formats found only at a source's first byte: their headers are too plain to search for.
void FindAtStart(std::span<const std::uint8_t> b, std::vector<ContainerCandidate>& out) {
    if (Has(b, 0, "070701") || Has(b, 0, "070702") || Has(b, 0, "070707") || Has(b, 0, "\xC7\x71"))
        out.push_back({0, ContainerFormat::Cpio});
    // LZMA-alone: the usual properties byte, a power-of-two dictionary, then a size or none.
    if (b.size() >= 13 && b[0] == 0x5D && b[1] == 0 && b[2] == 0 && (b[3] & (b[3] - 1)) == 0 &&
        b[4] == 0)
        out.push_back({0, ContainerFormat::Lzma});
}
}  // namespace

void FindCandidates(std::span<const std::uint8_t> bytes, std::size_t searched, std::int64_t base,
                    std::vector<ContainerCandidate>& out) {
    const std::size_t end = std::min(searched, bytes.size());
    std::array<std::uint32_t, 1024> hits;
    std::size_t at = 0;
    while (out.size() < kCandidateLimit) {
        std::size_t count = 0;
        const std::size_t reached = FindPairs(bytes.data(), at, end, bytes.size(), kPairTables,
                                              hits.data(), hits.size(), count);
        for (std::size_t i = 0; i < count && out.size() < kCandidateLimit; ++i) {
            if (!StartsPair(bytes, hits[i])) continue;
            const ContainerCandidate candidate = Recognise(bytes, hits[i], base);
            if (candidate.offset >= 0) out.push_back(candidate);
        }
        if (reached == at) break;
        at = reached;
    }
    // What the vectors left: the last bytes, or all of them without a byte shuffle.
    for (; at < end && out.size() < kCandidateLimit; ++at) {
        if (!kFirstBytes[bytes[at]]) continue;
        const ContainerCandidate candidate = Recognise(bytes, at, base);
        if (candidate.offset >= 0) out.push_back(candidate);
    }
}

std::error_code FindContainers(SourceFile& source, std::int64_t length,
                               std::vector<ContainerCandidate>& out) {
    // Entries are mostly small: the buffer is no larger than the source needs.
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::int64_t>(length, kPiece)) + kCandidateLookAhead);
    std::error_code failure;
    for (std::int64_t base = 0; base < length && out.size() < kCandidateLimit;
         base += static_cast<std::int64_t>(kPiece)) {
        const auto want =
            static_cast<std::size_t>(std::min<std::int64_t>(length - base, buffer.size()));
        const ReadResult got = source.ReadAt(base, buffer.data(), want);
        const std::span<const std::uint8_t> bytes(buffer.data(), got.bytes);
        FindPieceCandidates(bytes, std::min(got.bytes, kPiece), base, out);
        if (got.error || got.bytes < want) {
            failure = got.error;
            break;
        }
    }
    OrderCandidates(out);
    return failure;
}

void FindPieceCandidates(std::span<const std::uint8_t> bytes, std::size_t searched,
                         std::int64_t base, std::vector<ContainerCandidate>& out) {
    if (base == 0) FindAtStart(bytes, out);
    FindCandidates(bytes, searched, base, out);
}

void AddCandidates(std::vector<ContainerCandidate>& all,
                   const std::vector<ContainerCandidate>& piece) {
    const std::size_t room = kCandidateLimit - std::min(all.size(), kCandidateLimit);
    all.insert(all.end(), piece.begin(),
               piece.begin() + static_cast<std::ptrdiff_t>(std::min(room, piece.size())));
}

void OrderCandidates(std::vector<ContainerCandidate>& all) {
    // End records point back before themselves; the rest come in order already.
    std::stable_sort(all.begin(), all.end(),
                     [](const ContainerCandidate& a, const ContainerCandidate& b) {
                         return a.offset < b.offset;
                     });
}

}  // namespace morvane
